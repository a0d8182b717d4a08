// Builds scan entries and parts the way a driver lays them out.
#pragma once

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/Records.h"

namespace netvane::testing {

inline std::vector<uint8_t> MakeEntry(const std::string& ssid, std::size_t ieLength = 12,
                                      uint8_t tag = 0) {
  const std::size_t length = (kBssidEntryFixedLength + ieLength + 3) / 4 * 4;
  std::vector<uint8_t> e(length, 0);
  NDIS_WLAN_BSSID_EX fixed{};
  fixed.Length = static_cast<uint32_t>(length);
  fixed.MacAddress[5] = tag;
  fixed.Ssid.SsidLength = static_cast<uint32_t>(ssid.size());
  std::memcpy(fixed.Ssid.Ssid, ssid.data(), ssid.size());
  fixed.Rssi = -60;
  fixed.Configuration.DSConfig = 2437000;
  fixed.InfrastructureMode = Ndis802_11Infrastructure;
  fixed.IELength = static_cast<uint32_t>(ieLength);
  std::memcpy(e.data(), &fixed, kBssidEntryFixedLength);
  for (std::size_t i = 0; i < ieLength; ++i) e[kBssidEntryFixedLength + i] = tag;
  return e;
}

// NumberOfItems then the entries, as one part or one whole list.
inline std::vector<uint8_t> MakeList(const std::vector<std::vector<uint8_t>>& entries,
                                     uint32_t declared = UINT32_MAX) {
  std::vector<uint8_t> out(4, 0);
  const uint32_t count = declared == UINT32_MAX ? static_cast<uint32_t>(entries.size()) : declared;
  std::memcpy(out.data(), &count, 4);
  for (const auto& e : entries) out.insert(out.end(), e.begin(), e.end());
  return out;
}

inline void SetU32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value) {
  if (offset > bytes.size() || bytes.size() - offset < 4) throw std::out_of_range("SetU32");
  std::memcpy(bytes.data() + offset, &value, 4);
}

}  // namespace netvane::testing
