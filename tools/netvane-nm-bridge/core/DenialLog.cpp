#include "core/DenialLog.h"

namespace netvane::nmbridge {

DenialLog::DenialLog(std::function<void(const std::string&)> write) : write_(std::move(write)) {}

void DenialLog::Denied(const std::string& action) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!said_.insert(action).second) return;
  if (write_) write_("netvane-nm-bridge: NetworkManager refused " + action + " to this user");
}

void DenialLog::Granted(const std::string& action) {
  const std::lock_guard<std::mutex> lock(mutex_);
  said_.erase(action);
}

}  // namespace netvane::nmbridge
