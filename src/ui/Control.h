// What every control can do, whatever toolkit draws it.
#pragma once

namespace netvane::ui {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsEnabled() const = 0;

  void Enable() { SetEnabled(true); }
  void Disable() { SetEnabled(false); }
};

}  // namespace netvane::ui
