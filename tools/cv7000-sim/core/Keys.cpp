#include "core/Keys.h"

#include "driver/Oids.h"
#include "driver/Records.h"

namespace netvane::sim {

std::optional<KeyRecord> ParseKeyRecord(std::span<const uint8_t> in) {
  if (in.size() < kKeyHeaderLength) return std::nullopt;
  const uint32_t length = driverkit::ReadU32(in, offsetof(NDIS_802_11_KEY, Length));
  const uint32_t index = driverkit::ReadU32(in, offsetof(NDIS_802_11_KEY, KeyIndex));
  const uint32_t keyLength = driverkit::ReadU32(in, offsetof(NDIS_802_11_KEY, KeyLength));
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
  const uint32_t slot =
      driverkit::ReadU32(in, offsetof(NDIS_802_11_REMOVE_KEY, KeyIndex)) & kKeyIndexSlotMask;
  if (slot >= kWepSlots) return std::nullopt;
  return slot;
}

ByteRange KeyMaterialIn(uint32_t selector, std::span<const uint8_t> in) {
  const uint32_t oid = selector & ~kOidSetFlag;
  if ((oid != OID_802_11_ADD_KEY && oid != OID_CV_802_11_ADD_WPA) ||
      in.size() <= kKeyHeaderLength) {
    return {};
  }
  const std::size_t rest = in.size() - kKeyHeaderLength;
  const auto key = ParseKeyRecord(in);
  return {kKeyHeaderLength, key ? key->material.size() : rest};
}

}  // namespace netvane::sim
