// A sleep that returns at once and remembers how long it was asked to block.
#pragma once

#include <vector>

#include "platform/system/Sleep.h"

namespace netvane::testing {

class FakeSleep {
 public:
  system::SleepFunction Function() {
    return [this](unsigned seconds) { calls.push_back(seconds); };
  }
  std::vector<unsigned> calls;
};

}  // namespace netvane::testing
