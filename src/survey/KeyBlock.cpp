#include "survey/KeyBlock.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>

namespace netvane {
namespace {

system::SecretBytes MakeKeyBlock(uint32_t keyIndex, uint8_t bssidByte,
                                 std::span<const uint8_t> key) {
  system::SecretBytes block(KeyRecordLength(key.size()), 0);
  NDIS_802_11_KEY header{};
  header.Length = static_cast<uint32_t>(block.size());
  header.KeyIndex = keyIndex;
  header.KeyLength = static_cast<uint32_t>(key.size());
  std::fill(std::begin(header.BSSID), std::end(header.BSSID), bssidByte);
  std::memcpy(block.data(), &header, kKeyHeaderLength);
  std::copy(key.begin(), key.end(), block.begin() + static_cast<std::ptrdiff_t>(kKeyHeaderLength));
  return block;
}

}  // namespace

system::SecretBytes MakeWepKeyBlock(std::size_t slot, bool transmit, std::span<const uint8_t> key) {
  assert(slot < kWepKeySlots);
  const uint32_t index = static_cast<uint32_t>(slot) | (transmit ? kKeyIndexTransmit : 0U);
  return MakeKeyBlock(index, 0xFF, key);
}

system::SecretBytes MakeWpaKeyBlock(std::span<const uint8_t, kPskLength> psk) {
  return MakeKeyBlock(kKeyIndexTransmit, 0x00, psk);
}

void SetWepKey(PROFILE_DATA& record, std::size_t slot, bool transmit,
               std::span<const uint8_t> key) {
  auto block = MakeWepKeyBlock(slot, transmit, key);
  record.lWEPKeyLen.at(slot) = static_cast<uint32_t>(block.size());
  record.pWEPKey.at(slot) = std::move(block);
}

void SetWpaKey(PROFILE_DATA& record, std::span<const uint8_t, kPskLength> psk) {
  record.pWPAKey = MakeWpaKeyBlock(psk);
  record.lWPAKeyLen = static_cast<uint32_t>(record.pWPAKey.size());
}

}  // namespace netvane
