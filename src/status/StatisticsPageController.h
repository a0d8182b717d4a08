// The statistics page: the adapter's frame counters, refreshed on its own timer.
// Its timer runs from set-up on; what a tick shows comes with the status pages issue.
#pragma once

#include "platform/ui/RepeatingTimer.h"

namespace netvane {

class CV7000Access;

class StatisticsPageController {
 public:
  static constexpr double kTimerSeconds = 2.0;

  StatisticsPageController(CV7000Access& adapter, ui::RepeatingTimer& timer)
      : Adapter(adapter), timer_(timer) {}
  StatisticsPageController(const StatisticsPageController&) = delete;
  StatisticsPageController& operator=(const StatisticsPageController&) = delete;

  // NOLINTNEXTLINE(readability-identifier-naming) set-up hook of the layout
  void awakeFromNib() {
    timer_.Start(kTimerSeconds, [this] { OnTimer(); });
  }
  void OnTimer() {}

 private:
  [[maybe_unused]] CV7000Access& Adapter;  // NOLINT(readability-identifier-naming)
  ui::RepeatingTimer& timer_;
};

}  // namespace netvane
