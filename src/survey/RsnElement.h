// Reads the RSN element (ID 48) a WPA2 or WPA3 network sends: its version, group cipher,
// pairwise ciphers, key management suites and capabilities. Scan entries come from the driver;
// no length or count in them is trusted.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "survey/WpaElement.h"

namespace netvane {

// The suites Netvane names, as flags; any other suite is read over and not kept.
enum RsnCipher : uint8_t {
  kRsnTkip = 1U << 0,
  kRsnCcmp = 1U << 1,
};
enum RsnKeyManagement : uint8_t {
  kRsn8021X = 1U << 0,  // 802.1X of any kind (SHA-1, SHA-256, Suite B, fast transition)
  kRsnPsk = 1U << 1,    // the pre-shared key, as WPA-PSK derives it
  kRsnSae = 1U << 2,
  kRsnOwe = 1U << 3,
};

struct RsnElement {
  uint8_t groupCipher = 0;      // one RsnCipher flag, 0 for one Netvane does not name
  uint8_t pairwiseCiphers = 0;  // RsnCipher flags
  uint8_t keyManagement = 0;    // RsnKeyManagement flags
  uint16_t capabilities = 0;
};

// `body` is the element's data, after its ID and length bytes. Fields the element leaves off
// at its end take the defaults 802.11 gives them (CCMP, CCMP, 802.1X, no capabilities); a
// version other than 1, or a suite list that runs past the element, gives nothing.
std::optional<RsnElement> ReadRsnElement(std::span<const uint8_t> body);

// The first RSN element among an entry's IELength bytes (fixed fields included). Nothing when
// there is none, when it claims more than the entry holds, or when it cannot be read.
std::optional<RsnElement> FindRsnElement(std::span<const uint8_t> ies);

// The texts an RSN element names; one it does not name keeps the caller's.
WpaTexts RsnTexts(const RsnElement& rsn, WpaTexts given);

}  // namespace netvane
