// Runs netvane-nm-bridge for a test against the NetworkManager double: the simulator harness's
// private registry, HOME and preferences folders (the simulator itself is not started), a sysfs
// folder of plain files for the kernel's counters, and the bridge's standard error in a file.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "support/SimHarness.h"
#include "support/TempFolder.h"
#include "support/nm/NmDouble.h"

namespace netvane::testing {

class NmBridgeHarness {
 public:
  // Points DBUS_SYSTEM_BUS_ADDRESS of this process at the double's bus, until destroyed, and
  // returns once the bridge has read NetworkManager and every device's socket listens; throws
  // std::runtime_error when it exits first or says nothing for 20 seconds.
  explicit NmBridgeHarness(const NmDouble& nm);
  NmBridgeHarness(const NmBridgeHarness&) = delete;
  NmBridgeHarness& operator=(const NmBridgeHarness&) = delete;
  ~NmBridgeHarness();

  const std::string& Dir() const { return env_.Dir(); }
  // Everything the bridge wrote on standard error.
  std::string Stderr() const { return ReadText(Dir() + "/bridge.err"); }
  // <sysfs>/<iface>/statistics/<name>, replaced whole so the bridge never reads half of it.
  void SetCounter(const std::string& iface, const std::string& name, uint64_t value) const;
  // Waits for the interface's socket to appear or go (inotify, at most 20 seconds); whether it
  // did.
  bool AwaitSocket(const std::string& iface, bool present) const;

 private:
  SimHarness env_;
  pid_t pid_ = -1;
  std::optional<std::string> savedBus_;
};

// NetworkManager's signals reach the bridge on a thread of its own, so an answer that depends
// on one changes a moment after the double returns. Asks again until `condition` holds; false
// when it still does not after 20 seconds (a failure bound, not a pause).
template <typename Condition>
bool Eventually(Condition condition) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::yield();
  }
  return true;
}

}  // namespace netvane::testing
