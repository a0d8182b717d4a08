// A connection clock moved by hand: time passes only while the code under test waits on it, and
// the other side's steps run when a wait reaches them.
#pragma once

#include <chrono>

#include "platform/userclient/SocketIo.h"
#include "support/ScriptedSteps.h"

namespace netvane::testing {

class ScriptedIoClock : public userclient::IoClock, public ScriptedSteps {
 public:
  std::chrono::steady_clock::time_point Now() override {
    return std::chrono::steady_clock::time_point(std::chrono::milliseconds(NowMs()));
  }
  int Poll(pollfd& p, int timeoutMs) override { return WaitFor(p, timeoutMs) ? 1 : 0; }
};

}  // namespace netvane::testing
