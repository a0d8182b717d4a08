// Time moved by hand for code that waits on an injected clock: it passes only while that code
// waits, and the other side's steps, each due at a moment (in order), run when a wait reaches
// them. No sleeps, no threads.
#pragma once

#include <poll.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace netvane::testing {

class ScriptedSteps {
 public:
  void At(int64_t ms, std::function<void()> step) { steps_.emplace_back(ms, std::move(step)); }
  int64_t NowMs() const { return nowMs_; }
  // Whether `p` became ready within `timeoutMs` (a negative descriptor only lets time pass).
  bool WaitFor(pollfd p, int timeoutMs) {
    const int64_t until = nowMs_ + timeoutMs;
    for (;;) {
      if (p.fd >= 0 && poll(&p, 1, 0) > 0) return true;
      if (next_ == steps_.size() || steps_[next_].first > until) {
        nowMs_ = until;
        return false;
      }
      nowMs_ = std::max(nowMs_, steps_[next_].first);
      steps_[next_++].second();
    }
  }

 private:
  int64_t nowMs_ = 0;
  std::size_t next_ = 0;
  std::vector<std::pair<int64_t, std::function<void()>>> steps_;
};

}  // namespace netvane::testing
