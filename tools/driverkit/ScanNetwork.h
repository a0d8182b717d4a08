// A network as a scan reports it: what a scan-list entry and its information elements are built
// from.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace netvane::driverkit {

// The RSN kinds send an RSN element instead of the WPA one: WPA2-PSK, WPA2 with 802.1X, the
// WPA2/WPA3 transition (PSK and SAE), SAE alone, and opportunistic wireless encryption.
enum class Security {
  kOpen,
  kWep,
  kWpaPsk,
  kWpaEap,
  kWpaNone,
  kWpa2Psk,
  kWpa2Eap,
  kWpa2Wpa3,
  kWpa3Sae,
  kOwe
};
enum class Cipher { kTkip, kAes };

using Mac = std::array<uint8_t, 6>;

struct ScanNetwork {
  std::string ssid;  // raw bytes, at most 32
  Mac bssid{};
  uint32_t channel = 6;
  int32_t rssi = -60;
  bool adhoc = false;
  bool hidden = false;
  Security security = Security::kOpen;
  Cipher groupCipher = Cipher::kTkip;
  std::vector<Cipher> pairwise{Cipher::kTkip};
};

}  // namespace netvane::driverkit
