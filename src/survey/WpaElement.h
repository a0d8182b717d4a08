// Reads the WPA vendor element of a scanned network: its group cipher and its key management.
// Scan entries come from the driver; every read stays inside the entry.
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

// Replaces each text that the entry's WPA element names and leaves the other as given.
// `ies` is the entry's IELength bytes (fixed fields included); `infrastructureMode` decides
// whether pre-shared key management is called "WPA-PSK" or "WPA-NONE".
WpaTexts ParseWPAElement(std::span<const uint8_t> ies, uint32_t infrastructureMode, WpaTexts given);
WpaTexts ParseWPAElement(const ScanEntry& entry, WpaTexts given);

// Classification of an entry's key management.
enum WpaItemKind : int32_t {
  kItemNotWpa = 0,   // no WPA element, or key management not recognised
  kItemWpa = 1,      // 802.1X: not connected from the site survey page
  kItemWpaPsk = 2,   // pre-shared key, infrastructure
  kItemWpaNone = 3,  // pre-shared key, ad hoc
};

int32_t IsItemWPA(const ScanEntry& entry);

// The page's form: `currentSelectedItem` is the selected row + 1 (0 for none) into `list`.
// No selection, no list, or a row the list does not hold gives kItemNotWpa.
int32_t IsItemWPA(const BssidList* list, int32_t currentSelectedItem);

}  // namespace netvane
