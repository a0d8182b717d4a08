// Scan entries and lists laid out the way a driver lays them out.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "driver/Records.h"

namespace netvane::testing {

// `tag` is the last byte of the entry's MAC address and every byte of its elements.
inline std::vector<uint8_t> MakeEntry(const std::string& ssid, std::size_t ieLength = 12,
                                      uint8_t tag = 0) {
  const std::size_t length = (kBssidEntryFixedLength + ieLength + 3) / 4 * 4;
  std::vector<uint8_t> e(length, tag);
  NDIS_WLAN_BSSID_EX fixed{};
  fixed.Length = static_cast<uint32_t>(length);
  fixed.MacAddress[5] = tag;
  fixed.Ssid.SsidLength = static_cast<uint32_t>(ssid.size());
  std::memcpy(fixed.Ssid.Ssid, ssid.data(), ssid.size());
  fixed.IELength = static_cast<uint32_t>(ieLength);
  std::memcpy(e.data(), &fixed, kBssidEntryFixedLength);
  return e;
}

// NumberOfItems (`declared`, or the true count) then the entries: one part or one whole list.
inline std::vector<uint8_t> MakeList(const std::vector<std::vector<uint8_t>>& entries,
                                     uint32_t declared = UINT32_MAX) {
  const uint32_t count = declared == UINT32_MAX ? static_cast<uint32_t>(entries.size()) : declared;
  std::vector<uint8_t> out(4);
  std::memcpy(out.data(), &count, 4);
  for (const auto& e : entries) out.insert(out.end(), e.begin(), e.end());
  return out;
}

}  // namespace netvane::testing
