#include "platform/system/Sleep.h"

#include <chrono>
#include <thread>

namespace netvane::system {

void BlockingSleep(unsigned seconds) {
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
}

}  // namespace netvane::system
