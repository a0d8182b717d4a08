// The join a run of sets gathers before its BSSID or SSID set: mode, authentication,
// encryption, keys (in wiped memory), and the wireless settings the next joins carry. One per
// socket; the disassociate set clears it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "driverkit/Secret.h"

namespace netvane::nmbridge {

struct PendingJoin {
  bool adhoc = false;
  uint32_t authMode = 0;    // NDIS_802_11_AUTHENTICATION_MODE
  uint32_t encryption = 1;  // NDIS_802_11_WEP_STATUS: disabled until a run says otherwise
  // The last mode, authentication or encryption set asked for what NetworkManager cannot join:
  // the run's association is refused rather than joined with something else.
  bool modeRefused = false;
  bool authRefused = false;
  bool encryptionRefused = false;
  driverkit::SecretText psk;                     // 64 lowercase hex digits, empty when none was set
  std::array<driverkit::SecretText, 4> wepKeys;  // hex digits, empty slots unset
  std::optional<uint32_t> wepTxSlot;
  std::optional<std::string> band;  // "bg" or "a"
  std::optional<uint32_t> channel;  // 2.4 GHz channel number, for an ad hoc network
  std::optional<uint32_t> powersave;

  // Drops everything; the keys' memory is wiped on the way.
  void Clear();
};

// A set that only changes the pending join. `known` is false for any other OID. The status is
// success, refused (kStatusError) or bad arguments (a payload shorter than its record).
uint32_t ApplyJoinSet(PendingJoin& join, uint32_t oid, std::span<const uint8_t> in, bool& known);

// Empties a key and wipes the memory it was in.
void Wipe(driverkit::SecretText& text);

}  // namespace netvane::nmbridge
