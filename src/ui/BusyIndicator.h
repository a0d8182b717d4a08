// Shows the user that the window is blocked (a wait cursor) for as long as a BusyScope lives.
#pragma once

namespace netvane::ui {

class BusyIndicator {
 public:
  BusyIndicator() = default;
  BusyIndicator(const BusyIndicator&) = delete;
  BusyIndicator& operator=(const BusyIndicator&) = delete;
  virtual ~BusyIndicator() = default;

  // Calls nest; the indicator goes when every Begin has its End.
  virtual void Begin() = 0;
  virtual void End() = 0;
};

class BusyScope {
 public:
  // `indicator` may be null: then the scope does nothing.
  explicit BusyScope(BusyIndicator* indicator) : indicator_(indicator) {
    if (indicator_ != nullptr) indicator_->Begin();
  }
  ~BusyScope() {
    if (indicator_ != nullptr) indicator_->End();
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  BusyIndicator* indicator_;
};

}  // namespace netvane::ui
