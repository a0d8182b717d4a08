// Builds information elements and scan entries that carry them, for the element parser tests.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "driver/Records.h"
#include "driver/ScanList.h"

namespace netvane::testing {

using Bytes8 = std::vector<uint8_t>;

inline Bytes8 Element(uint8_t id, const Bytes8& body) {
  Bytes8 e{id, static_cast<uint8_t>(body.size())};
  e.insert(e.end(), body.begin(), body.end());
  return e;
}

// A WPA vendor element: group cipher type, pairwise cipher types, key-management types.
inline Bytes8 WpaElement(uint8_t groupCipher, const Bytes8& pairwise, const Bytes8& keyMgmt,
                         const Bytes8& ouiAndType = {0x00, 0x50, 0xF2, 0x01}) {
  Bytes8 body = ouiAndType;
  body.insert(body.end(), {0x01, 0x00, 0x00, 0x50, 0xF2, groupCipher});
  body.push_back(static_cast<uint8_t>(pairwise.size()));
  body.push_back(0);
  for (uint8_t t : pairwise) body.insert(body.end(), {0x00, 0x50, 0xF2, t});
  body.push_back(static_cast<uint8_t>(keyMgmt.size()));
  body.push_back(0);
  for (uint8_t t : keyMgmt) body.insert(body.end(), {0x00, 0x50, 0xF2, t});
  return Element(0xDD, body);
}

// SSID, supported rates, DS parameter set: what precedes the vendor elements in a beacon.
inline Bytes8 CommonElements() {
  Bytes8 out = Element(0, {'n', 'e', 't'});
  const Bytes8 rates = Element(1, {0x82, 0x84, 0x8B, 0x96});
  const Bytes8 ds = Element(3, {6});
  out.insert(out.end(), rates.begin(), rates.end());
  out.insert(out.end(), ds.begin(), ds.end());
  return out;
}

inline Bytes8 Concat(std::initializer_list<Bytes8> parts) {
  Bytes8 out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// One entry: the fixed fields, 12 fixed element bytes, then `elements`. `declaredIeLength`
// overrides IELength to make it lie.
inline Bytes8 EntryWithElements(const Bytes8& elements, uint32_t mode = Ndis802_11Infrastructure,
                                int64_t declaredIeLength = -1) {
  const std::size_t ieLength = sizeof(NDIS_802_11_FIXED_IEs) + elements.size();
  Bytes8 e(kBssidEntryFixedLength + ieLength, 0);
  NDIS_WLAN_BSSID_EX fixed{};
  fixed.Length = static_cast<uint32_t>(e.size());
  fixed.InfrastructureMode = mode;
  fixed.IELength = declaredIeLength < 0 ? static_cast<uint32_t>(ieLength)
                                        : static_cast<uint32_t>(declaredIeLength);
  std::memcpy(e.data(), &fixed, kBssidEntryFixedLength);
  std::copy(elements.begin(), elements.end(),
            e.begin() + static_cast<std::ptrdiff_t>(kBssidEntryFixedLength +
                                                    sizeof(NDIS_802_11_FIXED_IEs)));
  return e;
}

}  // namespace netvane::testing
