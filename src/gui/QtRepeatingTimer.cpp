#include "gui/QtRepeatingTimer.h"

#include <cmath>

namespace netvane::gui {

QtRepeatingTimer::QtRepeatingTimer(const ModalDepth& depth) : depth_(depth) {
  timer_.setTimerType(Qt::CoarseTimer);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { OnTimeout(); });
}

void QtRepeatingTimer::Start(double intervalSeconds, std::function<void()> onTick) {
  timer_.stop();
  onTick_ = std::move(onTick);
  timer_.start(static_cast<int>(std::lround(intervalSeconds * 1000.0)));
}

void QtRepeatingTimer::OnTimeout() {
  if (!timer_.isActive()) return;
  if (depth_.Active()) return;
  // The tick may stop or restart this very timer; run a copy.
  const auto tick = onTick_;
  if (tick) tick();
}

}  // namespace netvane::gui
