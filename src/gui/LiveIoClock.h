// The window's clock for the driver socket and for the scan's wait. A wait that lasts keeps the
// window painting and answering assistive tools: between short slices of it the event loop runs
// without the keyboard and the mouse (held back, delivered afterwards), inside a modal scope, so
// the page timers stay silent and the window's controls are disabled, and nothing can start a
// second driver request in the middle of one.
#pragma once

#include <poll.h>

#include <chrono>

#include "gui/ModalDepth.h"
#include "platform/userclient/SocketIo.h"

namespace netvane::gui {

class LiveIoClock : public userclient::IoClock {
 public:
  // How long the event loop may wait for its next turn while the window waits.
  static constexpr int kSliceMs = 20;

  // `inner` is what the time is read from and what each slice waits on.
  explicit LiveIoClock(ModalDepth& depth, userclient::IoClock& inner = userclient::SteadyIoClock())
      : depth_(depth), inner_(inner) {}

  std::chrono::steady_clock::time_point Now() override { return inner_.Now(); }
  // A driver that answers within the first slice never sees the window change; a silent one
  // has the window kept live until it answers or `timeoutMs` pass.
  int Poll(pollfd& p, int timeoutMs) override;
  // The scan's wait, the window live throughout.
  void Sleep(unsigned seconds);

 private:
  int LiveUntil(pollfd& p, std::chrono::steady_clock::time_point end);

  ModalDepth& depth_;
  userclient::IoClock& inner_;
  // A wait is keeping the window live: one started from its event loop only waits.
  bool live_ = false;
};

}  // namespace netvane::gui
