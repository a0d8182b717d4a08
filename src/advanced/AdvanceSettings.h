// The advanced settings: the wireless mode, its rate list and the rate sets sent to the driver,
// and how the settings are kept in "AdvancedProfileSetting.plist". Plain functions, so that a
// second front end applies the same settings the same way.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "driver/Records.h"
#include "platform/plist/Dictionary.h"

namespace netvane {

using RateSet = std::array<uint8_t, kRatesLength>;

// The wireless modes as the mode list's item indexes (CV_802_11_PHY_MODE values).
constexpr int32_t kModeBgMixed = PHY_11BG_MIXED;
constexpr int32_t kModeB = PHY_11B;
constexpr int32_t kModeA = PHY_11A;
constexpr int32_t kModeAbgMixed = PHY_11ABG_MIXED;

struct AdvanceSettings {
  int32_t txRate = 0;        // index in the mode's rate list, 0 = "Auto"
  int32_t bgProtection = 0;  // index in the protection list
  bool txBurst = false;
  bool adhocOfdm = false;
  int32_t wirelessMode = kModeBgMixed;
  bool operator==(const AdvanceSettings&) const = default;
};

constexpr int32_t kWirelessModes = 4;

// The rate list shown for a wireless mode; empty for a mode outside 0 to 3.
std::vector<std::string> RateItems(int32_t wirelessMode);
// The rates (500 kbit/s units) for the rate at `index` of the mode's list: the mode's whole
// set for "Auto", the one rate otherwise; nullopt for a mode or index outside the lists.
std::optional<RateSet> RatesFor(int32_t wirelessMode, int32_t index);

// The settings a record holds. A value outside its list (a damaged or hand-edited file) falls
// back to its creation value; `bgItems` is how many protection choices there are.
AdvanceSettings SettingsFromRecord(const plist::Dictionary& record, int32_t bgItems);
plist::Dictionary RecordFromSettings(const AdvanceSettings& settings);

}  // namespace netvane
