// One join as NetworkManager is asked for it: the `connection`, `802-11-wireless` and
// `802-11-wireless-security` settings of AddAndActivateConnection2, as plain values. The D-Bus
// side turns it into a{sa{sv}} and nothing else; every choice of a value is made here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "driverkit/ScanNetwork.h"
#include "driverkit/Secret.h"

namespace netvane::nmbridge {

struct WirelessSecurity {
  std::string keyMgmt;                           // "wpa-psk" or "none" (WEP)
  driverkit::SecretText psk;                     // 64 hex digits; empty for WEP
  std::string authAlg;                           // WEP only: "open" or "shared"; empty otherwise
  std::array<driverkit::SecretText, 4> wepKeys;  // hex digits; empty slots are left out
  std::optional<uint32_t> wepTxKeyIdx;
  bool wep = false;  // sends `wep-key-type` 1 (a key, not a pass phrase)
};

struct JoinSettings {
  // connection
  std::string id;              // "Netvane " + the SSID as safe text
  std::string uuid;            // new per join
  std::string permissionUser;  // "user:<name>" is sent
  // 802-11-wireless
  std::string ssid;  // bytes
  std::string mode;  // "infrastructure" or "adhoc"
  std::optional<driverkit::Mac> bssid;
  bool hidden = false;
  std::optional<std::string> band;  // "bg" or "a"
  std::optional<uint32_t> channel;
  std::optional<uint32_t> powersave;  // 2 disable, 3 enable
  // 802-11-wireless-security; absent for an open network
  std::optional<WirelessSecurity> security;
  // The call's `specific_object`: the access point to join, "/" for NetworkManager's choice.
  std::string specificObject = "/";
};

}  // namespace netvane::nmbridge
