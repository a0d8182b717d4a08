// Builds information elements and the scan entries that carry them.
#pragma once

#include <cstring>
#include <vector>

#include "driver/Records.h"

namespace netvane::testing {

using Bytes8 = std::vector<uint8_t>;

inline Bytes8 Element(uint8_t id, Bytes8 body) {
  body.insert(body.begin(), {id, static_cast<uint8_t>(body.size())});
  return body;
}

// A WPA vendor element: group cipher type, pairwise cipher types, key-management types.
inline Bytes8 WpaElement(uint8_t group, const Bytes8& pairwise, const Bytes8& keyMgmt,
                         uint8_t ouiType = 0x01) {
  Bytes8 body{0x00, 0x50, 0xF2, ouiType, 0x01, 0x00, 0x00, 0x50, 0xF2, group};
  for (const Bytes8* list : {&pairwise, &keyMgmt}) {
    body.insert(body.end(), {static_cast<uint8_t>(list->size()), 0});
    for (uint8_t t : *list) body.insert(body.end(), {0x00, 0x50, 0xF2, t});
  }
  return Element(0xDD, body);
}

// The body of an RSN element: version, group cipher, pairwise ciphers and key-management types
// under 00-0F-AC, then capabilities 0.
inline Bytes8 RsnBody(uint8_t group, const Bytes8& pairwise, const Bytes8& keyMgmt,
                      uint8_t version = 1) {
  Bytes8 body{version, 0x00, 0x00, 0x0F, 0xAC, group};
  for (const Bytes8* list : {&pairwise, &keyMgmt}) {
    body.insert(body.end(), {static_cast<uint8_t>(list->size()), 0});
    for (uint8_t t : *list) body.insert(body.end(), {0x00, 0x0F, 0xAC, t});
  }
  body.insert(body.end(), {0, 0});
  return body;
}

inline Bytes8 Concat(std::initializer_list<Bytes8> parts) {
  Bytes8 out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// SSID, supported rates and DS parameter set, as a beacon starts.
inline Bytes8 CommonElements() {
  return Concat({Element(0, {'n', 'e', 't'}), Element(1, {0x82, 0x84}), Element(3, {6})});
}

// One entry: fixed fields, 12 fixed element bytes, then `elements`; `ieLength` can lie.
inline Bytes8 EntryWithElements(const Bytes8& elements, uint32_t mode = Ndis802_11Infrastructure,
                                uint32_t ieLength = 0) {
  Bytes8 e(kBssidEntryFixedLength + sizeof(NDIS_802_11_FIXED_IEs));
  e.insert(e.end(), elements.begin(), elements.end());
  NDIS_WLAN_BSSID_EX fixed{};
  fixed.Length = static_cast<uint32_t>(e.size());
  fixed.InfrastructureMode = mode;
  fixed.IELength =
      ieLength != 0 ? ieLength : static_cast<uint32_t>(e.size() - kBssidEntryFixedLength);
  std::memcpy(e.data(), &fixed, kBssidEntryFixedLength);
  return e;
}

}  // namespace netvane::testing
