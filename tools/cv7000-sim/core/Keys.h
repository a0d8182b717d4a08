// Key records as the utility installs them, checked against the bytes actually received.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "driverkit/Bytes.h"

namespace netvane::sim {

struct KeyRecord {
  uint32_t slot = 0;
  bool transmit = false;
  driverkit::Bytes material;
};

// An NDIS_802_11_KEY: Length within the payload, the key material within Length. Empty when
// the record is malformed.
std::optional<KeyRecord> ParseKeyRecord(std::span<const uint8_t> in);

// The slot of an NDIS_802_11_REMOVE_KEY, or empty when malformed.
std::optional<uint32_t> ParseRemoveKey(std::span<const uint8_t> in);

constexpr uint32_t kWepSlots = 4;

// Where key material lies in a request's input: [offset, offset + length).
struct ByteRange {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// The key bytes of a request that installs a key (a WEP key or the PSK, in either direction,
// since a query's input is whatever the client sent); length 0 for every other request. When
// the record's lengths cannot be trusted, everything after the key header counts as key.
ByteRange KeyMaterialIn(uint32_t selector, std::span<const uint8_t> in);

}  // namespace netvane::sim
