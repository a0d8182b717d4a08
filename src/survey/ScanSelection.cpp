#include "survey/ScanSelection.h"

namespace netvane {

std::optional<ScanEntry> SelectedScanEntry(const BssidList* list, int32_t currentSelectedItem) {
  if (list == nullptr || currentSelectedItem <= 0) return std::nullopt;
  const ScanListView view = list->View();
  // The walker stops at the first malformed entry, so it never holds more than NumberOfItems.
  return view.At(static_cast<std::size_t>(currentSelectedItem) - 1);
}

std::optional<ScanEntry> ScanEntryWithBssid(const BssidList* list, std::string_view bssid) {
  if (list == nullptr) return std::nullopt;
  const ScanListView view = list->View();
  for (const ScanEntry& entry : view.Entries()) {
    if (MacAddressText(entry.fields.MacAddress) == bssid) return entry;
  }
  return std::nullopt;
}

}  // namespace netvane
