// One socket per served device, each on a thread of its own that answers from the snapshot:
// opened when NetworkManager reports the device, closed (and its file removed) when the device
// goes, so Netvane sees an adapter removed and inserted.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <thread>

#include "core/DenialLog.h"
#include "core/DeviceService.h"
#include "core/NmActions.h"
#include "core/Snapshot.h"

namespace netvane::nmbridge {

class DeviceSockets {
 public:
  DeviceSockets(std::string registryDir, const Snapshot& snapshot, NmActions& actions,
                DenialLog& denials, DeviceServiceSettings settings, int connectionTimeoutMs);
  ~DeviceSockets();
  DeviceSockets(const DeviceSockets&) = delete;
  DeviceSockets& operator=(const DeviceSockets&) = delete;

  // Returns once the socket listens; false when it cannot (the reason is logged).
  bool Add(const std::string& devicePath, const std::string& interface);
  void Remove(const std::string& devicePath);
  void RemoveAll();
  bool Empty() const { return running_.empty(); }

 private:
  struct Running;

  std::string dir_;
  const Snapshot& snapshot_;
  NmActions& actions_;
  DenialLog& denials_;
  DeviceServiceSettings settings_;
  int connectionTimeoutMs_;
  std::map<std::string, std::unique_ptr<Running>> running_;
};

}  // namespace netvane::nmbridge
