// Builds the NDIS_802_11_KEY records that a connection record carries, and puts them in place.
#pragma once

#include <cstdint>
#include <span>

#include "survey/ProfileDataRecord.h"

namespace netvane {

constexpr std::size_t kPskLength = 32;

// WEP key for `slot` (0 to 3): KeyIndex slot, with the transmit bit when `transmit`;
// BSSID all FF; KeyLength + 39 bytes.
system::SecretBytes MakeWepKeyBlock(std::size_t slot, bool transmit, std::span<const uint8_t> key);

// WPA pre-shared key: KeyIndex 0x80000000, BSSID zero, 71 bytes.
system::SecretBytes MakeWpaKeyBlock(std::span<const uint8_t, kPskLength> psk);

// Fill the record's key fields, block and length together. `slot` counts from 0.
void SetWepKey(PROFILE_DATA& record, std::size_t slot, bool transmit, std::span<const uint8_t> key);
void SetWpaKey(PROFILE_DATA& record, std::span<const uint8_t, kPskLength> psk);

}  // namespace netvane
