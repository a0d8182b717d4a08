// The latest reading of NetworkManager, shared between the D-Bus thread that writes it and the
// socket threads that answer from it. A writer replaces whole immutable values, so a reader
// holds the lock only long enough to copy two pointers and never waits on D-Bus.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "core/NmState.h"

namespace netvane::nmbridge {

class Snapshot {
 public:
  Snapshot();

  DeviceView View(const std::string& devicePath) const;

  void SetManager(ManagerState manager);
  void SetDevice(DeviceState device);
  void RemoveDevice(const std::string& devicePath);
  void Clear();  // NetworkManager left the bus

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const ManagerState> manager_;
  std::map<std::string, std::shared_ptr<const DeviceState>> devices_;
};

}  // namespace netvane::nmbridge
