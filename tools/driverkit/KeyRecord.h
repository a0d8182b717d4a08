// Key records as the utility installs them, checked against the bytes actually received. The
// material is held in wiped memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "driverkit/Secret.h"

namespace netvane::driverkit {

constexpr uint32_t kWepSlots = 4;

struct KeyRecord {
  uint32_t slot = 0;
  bool transmit = false;
  SecretBytes material;
};

// An NDIS_802_11_KEY: Length within the payload, the key material within Length. Empty when
// the record is malformed.
std::optional<KeyRecord> ParseKeyRecord(std::span<const uint8_t> in);

// The slot of an NDIS_802_11_REMOVE_KEY, or empty when malformed.
std::optional<uint32_t> ParseRemoveKey(std::span<const uint8_t> in);

}  // namespace netvane::driverkit
