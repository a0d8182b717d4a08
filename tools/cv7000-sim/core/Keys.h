// Where key material lies in the requests the trace records; the records themselves are
// driverkit's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "driverkit/Bytes.h"
#include "driverkit/KeyRecord.h"

namespace netvane::sim {

using driverkit::KeyRecord;
using driverkit::kWepSlots;
using driverkit::ParseKeyRecord;
using driverkit::ParseRemoveKey;

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
