// A repeating timer on the main loop. It never fires while a modal run (sheet, editor, alert)
// is active: those ticks are dropped, not queued.
#pragma once

#include <functional>

namespace netvane::ui {

class RepeatingTimer {
 public:
  RepeatingTimer() = default;
  RepeatingTimer(const RepeatingTimer&) = delete;
  RepeatingTimer& operator=(const RepeatingTimer&) = delete;
  virtual ~RepeatingTimer() = default;

  // A running timer is stopped first: there is at most one schedule per timer.
  virtual void Start(double intervalSeconds, std::function<void()> onTick) = 0;
  virtual void Stop() = 0;
  virtual bool IsRunning() const = 0;
};

}  // namespace netvane::ui
