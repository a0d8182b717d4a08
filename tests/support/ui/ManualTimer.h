// A repeating timer that fires only when the test says so.
#pragma once

#include <functional>

#include "ui/RepeatingTimer.h"

namespace netvane::testing {

class ManualTimer : public ui::RepeatingTimer {
 public:
  void Start(double intervalSeconds, std::function<void()> onTick) override {
    interval = intervalSeconds;
    tick_ = std::move(onTick);
    running_ = true;
  }
  void Stop() override {
    running_ = false;
    ++stops;
  }
  bool IsRunning() const override { return running_; }

  // One tick, as the main loop would deliver it; a stopped timer does nothing.
  void Fire() {
    if (running_ && tick_) tick_();
  }

  double interval = 0.0;
  int stops = 0;

 private:
  std::function<void()> tick_;
  bool running_ = false;
};

}  // namespace netvane::testing
