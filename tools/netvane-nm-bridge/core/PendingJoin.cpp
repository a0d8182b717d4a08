#include "core/PendingJoin.h"

#include "core/ApEntry.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "driverkit/Bytes.h"
#include "driverkit/KeyRecord.h"
#include "platform/userclient/Protocol.h"

namespace netvane::nmbridge {
namespace {

using userclient::kStatusBadArgs;
using userclient::kStatusError;
using userclient::kStatusSuccess;

constexpr std::size_t kWordLength = 4;
constexpr std::size_t kPskLength = 32;
constexpr std::size_t kWep40Length = 5;
constexpr std::size_t kWep104Length = 13;
constexpr uint32_t kPowersaveDisable = 2;
constexpr uint32_t kPowersaveEnable = 3;
constexpr uint32_t kLast24GHzChannel = 14;

driverkit::SecretText HexOf(const driverkit::SecretBytes& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  driverkit::SecretText text;
  text.reserve(bytes.size() * 2);
  for (const uint8_t b : bytes) {
    text.push_back(kDigits[b >> 4U]);
    text.push_back(kDigits[b & 0x0FU]);
  }
  return text;
}

uint32_t Status(bool ok) {
  return ok ? kStatusSuccess : kStatusError;
}

uint32_t SetMode(PendingJoin& join, uint32_t mode) {
  // Auto (2) has no NetworkManager counterpart: a connection is one or the other.
  join.modeRefused = mode != Ndis802_11IBSS && mode != Ndis802_11Infrastructure;
  if (!join.modeRefused) join.adhoc = mode == Ndis802_11IBSS;
  return Status(!join.modeRefused);
}

uint32_t SetAuthentication(PendingJoin& join, uint32_t mode) {
  join.authMode = mode;
  // WPA-None is gone from NetworkManager; 802.1X (3, 6) and auto-switch need what a run
  // cannot give. The association is refused too, so no join goes ahead with a weaker setting.
  const bool ok = mode == Ndis802_11AuthModeOpen || mode == Ndis802_11AuthModeShared ||
                  mode == Ndis802_11AuthModeWPAPSK || mode == Ndis802_11AuthModeWPA2PSK;
  join.authRefused = !ok;
  return Status(ok);
}

uint32_t SetEncryption(PendingJoin& join, uint32_t status) {
  join.encryption = status;
  // TKIP and AES are accepted without pinning the cipher: NetworkManager negotiates it.
  const bool ok = status == Ndis802_11WEPEnabled || status == Ndis802_11WEPDisabled ||
                  status == Ndis802_11Encryption2Enabled || status == Ndis802_11Encryption3Enabled;
  join.encryptionRefused = !ok;
  return Status(ok);
}

uint32_t SetWpaKey(PendingJoin& join, std::span<const uint8_t> in) {
  auto key = driverkit::ParseKeyRecord(in);
  if (!key || key->material.size() != kPskLength) return kStatusBadArgs;
  Wipe(join.psk);
  join.psk = HexOf(key->material);
  return kStatusSuccess;
}

uint32_t SetWepKey(PendingJoin& join, std::span<const uint8_t> in) {
  auto key = driverkit::ParseKeyRecord(in);
  if (!key) return kStatusBadArgs;
  const std::size_t length = key->material.size();
  if (key->slot >= driverkit::kWepSlots || (length != kWep40Length && length != kWep104Length)) {
    return kStatusError;
  }
  Wipe(join.wepKeys[key->slot]);
  join.wepKeys[key->slot] = HexOf(key->material);
  if (key->transmit) join.wepTxSlot = key->slot;
  return kStatusSuccess;
}

uint32_t RemoveKey(PendingJoin& join, std::span<const uint8_t> in) {
  if (in.size() < sizeof(NDIS_802_11_REMOVE_KEY)) return kStatusBadArgs;
  const auto slot = driverkit::ParseRemoveKey(in);
  if (!slot) return kStatusError;
  Wipe(join.wepKeys[*slot]);
  if (join.wepTxSlot == slot) join.wepTxSlot.reset();
  return kStatusSuccess;
}

uint32_t SetPowerMode(PendingJoin& join, uint32_t mode) {
  if (mode == Ndis802_11PowerModeCAM) {
    join.powersave = kPowersaveDisable;
  } else if (mode == Ndis802_11PowerModeMAX_PSP || mode == Ndis802_11PowerModeFast_PSP) {
    join.powersave = kPowersaveEnable;
  } else {
    return kStatusError;
  }
  return kStatusSuccess;
}

uint32_t SetPhyMode(PendingJoin& join, uint32_t mode) {
  switch (mode) {
    case PHY_11BG_MIXED:
      join.band = "bg";
      return kStatusSuccess;
    case PHY_11A:
      join.band = "a";
      return kStatusSuccess;
    case PHY_11ABG_MIXED:
      join.band.reset();
      return kStatusSuccess;
    default:  // 802.11b alone: NetworkManager cannot restrict the rates
      return kStatusError;
  }
}

uint32_t SetAdhocChannel(PendingJoin& join, std::span<const uint8_t> in) {
  if (in.size() < sizeof(NDIS_802_11_CONFIGURATION)) return kStatusBadArgs;
  const auto config = driverkit::FromBytes<NDIS_802_11_CONFIGURATION>(in);
  const uint32_t channel = ChannelOfFrequency(config.DSConfig / 1000);
  if (channel == 0 || channel > kLast24GHzChannel || config.DSConfig % 1000 != 0) {
    return kStatusError;
  }
  join.channel = channel;
  join.band = "bg";
  return kStatusSuccess;
}

}  // namespace

void Wipe(driverkit::SecretText& text) {
  driverkit::SecretText().swap(text);  // the old buffer is freed, and wiped, with the temporary
}

void PendingJoin::Clear() {
  Wipe(psk);
  for (auto& key : wepKeys) Wipe(key);
  *this = PendingJoin{};
}

uint32_t ApplyJoinSet(PendingJoin& join, uint32_t oid, std::span<const uint8_t> in, bool& known) {
  known = true;
  switch (oid) {
    case OID_CV_802_11_ADD_WPA:
      return SetWpaKey(join, in);
    case OID_802_11_ADD_KEY:
      return SetWepKey(join, in);
    case OID_802_11_REMOVE_KEY:
      return RemoveKey(join, in);
    case OID_802_11_CONFIGURATION:
      return SetAdhocChannel(join, in);
    default:
      break;
  }
  uint32_t word = 0;
  switch (oid) {
    case OID_802_11_INFRASTRUCTURE_MODE:
    case OID_802_11_AUTHENTICATION_MODE:
    case OID_802_11_WEP_STATUS:
    case OID_802_11_POWER_MODE:
    case OID_CV_802_11_PHY_MODE:
      if (in.size() < kWordLength) return kStatusBadArgs;
      word = driverkit::ReadU32(in, 0);
      break;
    default:
      known = false;
      return kStatusBadArgs;
  }
  switch (oid) {
    case OID_802_11_INFRASTRUCTURE_MODE:
      return SetMode(join, word);
    case OID_802_11_AUTHENTICATION_MODE:
      return SetAuthentication(join, word);
    case OID_802_11_WEP_STATUS:
      return SetEncryption(join, word);
    case OID_802_11_POWER_MODE:
      return SetPowerMode(join, word);
    default:
      return SetPhyMode(join, word);
  }
}

}  // namespace netvane::nmbridge
