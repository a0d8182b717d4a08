#include "gui/LiveIoClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

#include "gui/InputHold.h"

namespace netvane::gui {

namespace {

class Flag {
 public:
  explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
  ~Flag() { flag_ = false; }
  Flag(const Flag&) = delete;
  Flag& operator=(const Flag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

int LiveIoClock::Poll(pollfd& p, int timeoutMs) {
  if (live_ || timeoutMs <= kSliceMs) return inner_.Poll(p, timeoutMs);
  const auto end = Now() + std::chrono::milliseconds(timeoutMs);
  const int first = inner_.Poll(p, kSliceMs);
  if (first != 0) return first;
  return LiveUntil(p, end);
}

void LiveIoClock::Sleep(unsigned seconds) {
  pollfd none{-1, 0, 0};
  const auto span = std::chrono::seconds(seconds);
  if (live_) {
    inner_.Poll(none, static_cast<int>(std::chrono::milliseconds(span).count()));
    return;
  }
  LiveUntil(none, Now() + span);
}

int LiveIoClock::LiveUntil(pollfd& p, std::chrono::steady_clock::time_point end) {
  const Flag live(live_);
  const ModalDepth::Scope modal(depth_);
  InputHold input;
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Now()).count();
    if (left <= 0) return 0;
    const int ready = inner_.Poll(p, static_cast<int>(std::min<long long>(left, kSliceMs)));
    // Nothing to be ready on in a plain wait: an interrupted slice only ends early.
    if (ready != 0 && p.fd >= 0) return ready;
  }
}

}  // namespace netvane::gui
