// A repeating timer on the Qt event loop that drops its ticks while a modal run is active.
#pragma once

#include <QTimer>
#include <functional>

#include "gui/ModalDepth.h"
#include "ui/RepeatingTimer.h"

namespace netvane::gui {

class QtRepeatingTimer : public ui::RepeatingTimer {
 public:
  explicit QtRepeatingTimer(const ModalDepth& depth);

  void Start(double intervalSeconds, std::function<void()> onTick) override;
  void Stop() override { timer_.stop(); }
  bool IsRunning() const override { return timer_.isActive(); }

  // What the Qt timer calls on each expiry; public so tests can deliver a tick at will.
  void OnTimeout();

 private:
  const ModalDepth& depth_;
  QTimer timer_;
  std::function<void()> onTick_;
};

}  // namespace netvane::gui
