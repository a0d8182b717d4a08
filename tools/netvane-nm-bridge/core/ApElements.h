// The RSN and WPA element bodies of an access point, rebuilt from the security flags
// NetworkManager publishes (NM80211ApSecurityFlags), so the survey's parsers read back what
// NetworkManager saw.
#pragma once

#include <cstdint>

#include "driverkit/Bytes.h"

namespace netvane::nmbridge {

// NM80211ApSecurityFlags.
constexpr uint32_t kPairWep40 = 0x1;
constexpr uint32_t kPairWep104 = 0x2;
constexpr uint32_t kPairTkip = 0x4;
constexpr uint32_t kPairCcmp = 0x8;
constexpr uint32_t kGroupWep40 = 0x10;
constexpr uint32_t kGroupWep104 = 0x20;
constexpr uint32_t kGroupTkip = 0x40;
constexpr uint32_t kGroupCcmp = 0x80;
constexpr uint32_t kKeyMgmtPsk = 0x100;
constexpr uint32_t kKeyMgmt8021X = 0x200;
constexpr uint32_t kKeyMgmtSae = 0x400;
constexpr uint32_t kKeyMgmtOwe = 0x800;

// Version 1, the weakest group cipher, pairwise CCMP before TKIP, key management PSK, SAE,
// 802.1X, OWE, and the capabilities: MFP capable when SAE or OWE is offered.
driverkit::Bytes RsnBody(uint32_t rsnFlags);
// 00-50-F2 type 1, version 1, then the same under the WPA OUI (no SAE or OWE there).
driverkit::Bytes WpaBody(uint32_t wpaFlags);

}  // namespace netvane::nmbridge
