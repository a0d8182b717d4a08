// Blocking waits go through an injectable function so tests never wait.
#pragma once

#include <functional>

namespace netvane::system {

using SleepFunction = std::function<void(unsigned seconds)>;

// The real thing: blocks the calling thread.
void BlockingSleep(unsigned seconds);

}  // namespace netvane::system
