// Reads the security elements of a scanned network, the WPA vendor element and the RSN element
// (RsnElement.h): the cipher and the key management. Scan entries come from the driver; every
// read stays inside the entry.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "driver/Records.h"
#include "driver/ScanList.h"

namespace netvane {

class BssidList;

// The two texts the parse may replace. Callers start them from what the row would show
// without WPA ("WEP" / "Not Use", "Unknow").
struct WpaTexts {
  std::string cipher;
  std::string authentication;
};

// A network that offers both TKIP and AES-CCMP, in the window, the command line and its JSON.
inline constexpr const char* kMixedCipherText = "TKIP+AES-CCMP";

// Replaces each text that the entry's security elements name and leaves the other as given.
// An RSN element decides when there is one; else the WPA element, where `infrastructureMode`
// decides whether pre-shared key management is called "WPA-PSK" or "WPA-NONE". `ies` is the
// entry's IELength bytes (fixed fields included).
WpaTexts ParseWPAElement(std::span<const uint8_t> ies, uint32_t infrastructureMode, WpaTexts given);
WpaTexts ParseWPAElement(const ScanEntry& entry, WpaTexts given);

// Classification of an entry's key management.
enum WpaItemKind : int32_t {
  kItemNotWpa = 0,   // no WPA element, or key management not recognised
  kItemWpa = 1,      // 802.1X: not connected from the site survey page
  kItemWpaPsk = 2,   // pre-shared key, infrastructure
  kItemWpaNone = 3,  // pre-shared key, ad hoc
  kItemWpa2 = 4,     // RSN with 802.1X: not joined
  kItemWpa2Psk = 5,  // RSN pre-shared key, also offered beside SAE: joined as WPA-PSK is
  kItemWpa3Sae = 6,  // SAE only: not joined
  kItemOwe = 7,      // opportunistic wireless encryption: not joined
};

int32_t IsItemWPA(const ScanEntry& entry);

// The page's form: `currentSelectedItem` is the selected row + 1 (0 for none) into `list`.
// No selection, no list, or a row the list does not hold gives kItemNotWpa.
int32_t IsItemWPA(const BssidList* list, int32_t currentSelectedItem);

}  // namespace netvane
