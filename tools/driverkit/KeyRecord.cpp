#include "driverkit/KeyRecord.h"

#include "driver/Records.h"
#include "driverkit/Bytes.h"

namespace netvane::driverkit {

std::optional<KeyRecord> ParseKeyRecord(std::span<const uint8_t> in) {
  if (in.size() < kKeyHeaderLength) return std::nullopt;
  const uint32_t length = ReadU32(in, offsetof(NDIS_802_11_KEY, Length));
  const uint32_t index = ReadU32(in, offsetof(NDIS_802_11_KEY, KeyIndex));
  const uint32_t keyLength = ReadU32(in, offsetof(NDIS_802_11_KEY, KeyLength));
  if (length > in.size() || keyLength > length || length - keyLength < kKeyHeaderLength) {
    return std::nullopt;
  }
  KeyRecord key;
  key.slot = index & kKeyIndexSlotMask;
  key.transmit = (index & kKeyIndexTransmit) != 0;
  key.material.assign(in.begin() + static_cast<long>(kKeyHeaderLength),
                      in.begin() + static_cast<long>(kKeyHeaderLength + keyLength));
  return key;
}

std::optional<uint32_t> ParseRemoveKey(std::span<const uint8_t> in) {
  if (in.size() < sizeof(NDIS_802_11_REMOVE_KEY)) return std::nullopt;
  const uint32_t slot = ReadU32(in, offsetof(NDIS_802_11_REMOVE_KEY, KeyIndex)) & kKeyIndexSlotMask;
  if (slot >= kWepSlots) return std::nullopt;
  return slot;
}

}  // namespace netvane::driverkit
