// The driver of one Wi-Fi device, as a driver service answers for it: queries from the
// snapshot, settings checked and kept, joins and the radio handed to NetworkManager. Runs on
// that device's socket thread; it never calls D-Bus itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/Counters.h"
#include "core/DenialLog.h"
#include "core/NmActions.h"
#include "core/Snapshot.h"
#include "driverkit/RequestHandler.h"

namespace netvane::nmbridge {

struct DeviceServiceSettings {
  std::string sysfsRoot = "/sys/class/net";
  std::string userName;  // the effective user, for `connection.permissions`
  // The longest a set waits for NetworkManager: inside the client's five-second deadline.
  uint32_t actionWaitMs = 4000;
};

class DeviceService : public driverkit::RequestHandler {
 public:
  DeviceService(const Snapshot& snapshot, std::string devicePath, NmActions& actions,
                DenialLog& denials, DeviceServiceSettings settings);
  ~DeviceService() override;
  DeviceService(const DeviceService&) = delete;
  DeviceService& operator=(const DeviceService&) = delete;

  driverkit::Reply Handle(const driverkit::Request& request) override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace netvane::nmbridge
