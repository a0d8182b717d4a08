#include "core/Snapshot.h"

namespace netvane::nmbridge {

Snapshot::Snapshot() : manager_(std::make_shared<const ManagerState>()) {}

DeviceView Snapshot::View(const std::string& devicePath) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  DeviceView view;
  view.manager = manager_;
  const auto it = devices_.find(devicePath);
  if (it != devices_.end()) view.device = it->second;
  return view;
}

void Snapshot::SetManager(ManagerState manager) {
  auto value = std::make_shared<const ManagerState>(std::move(manager));
  const std::lock_guard<std::mutex> lock(mutex_);
  manager_ = std::move(value);
}

void Snapshot::SetDevice(DeviceState device) {
  std::string path = device.path;
  auto value = std::make_shared<const DeviceState>(std::move(device));
  const std::lock_guard<std::mutex> lock(mutex_);
  devices_[path] = std::move(value);
}

void Snapshot::RemoveDevice(const std::string& devicePath) {
  const std::lock_guard<std::mutex> lock(mutex_);
  devices_.erase(devicePath);
}

void Snapshot::Clear() {
  const std::lock_guard<std::mutex> lock(mutex_);
  devices_.clear();
  manager_ = std::make_shared<const ManagerState>();
}

}  // namespace netvane::nmbridge
