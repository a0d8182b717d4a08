// The one line a person reads when polkit refuses this user something: said once per action,
// and again only after the action was granted in between. Shared by every socket thread and the
// D-Bus thread.
#pragma once

#include <functional>
#include <mutex>
#include <set>
#include <string>

namespace netvane::nmbridge {

// polkit actions of NetworkManager the bridge needs.
inline constexpr const char* kActionNetworkControl =
    "org.freedesktop.NetworkManager.network-control";
inline constexpr const char* kActionModifyOwn =
    "org.freedesktop.NetworkManager.settings.modify.own";
inline constexpr const char* kActionWifiScan = "org.freedesktop.NetworkManager.wifi.scan";
inline constexpr const char* kActionEnableWifi =
    "org.freedesktop.NetworkManager.enable-disable-wifi";
inline constexpr const char* kActionShareOpen = "org.freedesktop.NetworkManager.wifi.share.open";
inline constexpr const char* kActionShareProtected =
    "org.freedesktop.NetworkManager.wifi.share.protected";

class DenialLog {
 public:
  // `write` gets each line without its newline (standard error in the service).
  explicit DenialLog(std::function<void(const std::string&)> write);

  // "netvane-nm-bridge: NetworkManager refused <action> to this user", the first time.
  void Denied(const std::string& action);
  void Granted(const std::string& action);

 private:
  std::mutex mutex_;
  std::set<std::string> said_;
  std::function<void(const std::string&)> write_;
};

}  // namespace netvane::nmbridge
