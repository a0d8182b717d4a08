// The link status page: association, rates and quality, refreshed on its own timer.
// Its timer runs from set-up on; what a tick shows comes with the status pages issue.
#pragma once

#include "platform/ui/RepeatingTimer.h"

namespace netvane {

class CV7000Access;

class LinkStatusPageController {
 public:
  static constexpr double kTimerSeconds = 2.0;

  LinkStatusPageController(CV7000Access& adapter, ui::RepeatingTimer& timer)
      : Adapter(adapter), timer_(timer) {}
  LinkStatusPageController(const LinkStatusPageController&) = delete;
  LinkStatusPageController& operator=(const LinkStatusPageController&) = delete;

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
