#include "support/nm/NmBridgeHarness.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/ReadyChild.h"

#ifndef NETVANE_NM_BRIDGE_PATH
#error "NETVANE_NM_BRIDGE_PATH must name the netvane-nm-bridge program"
#endif

namespace netvane::testing {
namespace {

constexpr const char* kBusVariable = "DBUS_SYSTEM_BUS_ADDRESS";
constexpr const char* kCounters[] = {"rx_packets",    "tx_packets", "tx_errors", "multicast",
                                     "rx_crc_errors", "rx_dropped", "tx_bytes",  "rx_bytes"};

}  // namespace

NmBridgeHarness::NmBridgeHarness(const NmDouble& nm) {
  if (const char* bus = std::getenv(kBusVariable)) savedBus_ = bus;
  setenv(kBusVariable, nm.Address().c_str(), 1);
  // Every counter the bridge reads starts at 0 for the interface the tests use.
  for (const char* name : kCounters) SetCounter("wlp2s0", name, 0);
  const ReadyChild child = StartAndAwaitLine(
      // A deadline of 2 s: a stalled NetworkManager costs a case 1.6 s, not 4.
      {NETVANE_NM_BRIDGE_PATH, "--sysfs-root", Dir() + "/sysfs", "--ready-fd", "{fd}",
       "--connection-timeout-ms", "2000"},
      Dir() + "/bridge.err");
  pid_ = child.pid;
  if (child.line != "") {
    const int code = StopChild(pid_);
    savedBus_ ? setenv(kBusVariable, savedBus_->c_str(), 1) : unsetenv(kBusVariable);
    throw std::runtime_error("netvane-nm-bridge did not start (" + std::to_string(code) +
                             "): " + Stderr());
  }
}

NmBridgeHarness::~NmBridgeHarness() {
  StopChild(pid_);
  savedBus_ ? setenv(kBusVariable, savedBus_->c_str(), 1) : unsetenv(kBusVariable);
}

void NmBridgeHarness::SetCounter(const std::string& iface, const std::string& name,
                                 uint64_t value) const {
  const std::string folder = Dir() + "/sysfs/" + iface + "/statistics";
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/.next") << value << '\n';
  std::filesystem::rename(folder + "/.next", folder + "/" + name);
}

bool NmBridgeHarness::AwaitSocket(const std::string& iface, bool present) const {
  const std::string registry = Dir() + "/run/netvane/services/CardBusWirelessDriver";
  const std::string socket = registry + "/" + iface + ".sock";
  const int watch = inotify_init1(IN_CLOEXEC);
  inotify_add_watch(watch, registry.c_str(), IN_CREATE | IN_DELETE | IN_MOVED_TO);
  bool done = false;
  // The watch is set before the first look, so no change between the two is missed.
  for (int rounds = 0; !(done = std::filesystem::exists(socket) == present) && rounds < 100;
       ++rounds) {
    pollfd ready{watch, POLLIN, 0};
    int n = 0;
    while ((n = poll(&ready, 1, 20000)) < 0 && errno == EINTR) {
    }
    char events[4096];
    if (n != 1 || read(watch, events, sizeof events) <= 0) break;
  }
  close(watch);
  return done;
}

}  // namespace netvane::testing
