// Finds the scan entry behind a selected row of the access point list.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "driver/ScanList.h"

namespace netvane {

// Entry number `currentSelectedItem` (the selected row + 1) of `list`, or nothing when no row
// is selected, there is no list, or the list does not hold that many entries (it may have been
// fetched anew since the rows were built).
std::optional<ScanEntry> SelectedScanEntry(const BssidList* list, int32_t currentSelectedItem);

// The entry of `list` whose address reads `bssid` (MacAddressText); nothing when none does.
std::optional<ScanEntry> ScanEntryWithBssid(const BssidList* list, std::string_view bssid);

}  // namespace netvane
