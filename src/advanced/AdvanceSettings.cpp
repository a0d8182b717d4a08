#include "advanced/AdvanceSettings.h"

#include "platform/plist/IntValue.h"
#include "text/Translate.h"

namespace netvane {
namespace {

// The single rates, after "Auto" in the list.
const std::vector<std::string> kBgRates = {"1 Mbps",  "2 Mbps",  "5.5 Mbps", "11 Mbps",
                                           "6 Mbps",  "9 Mbps",  "12 Mbps",  "18 Mbps",
                                           "24 Mbps", "36 Mbps", "48 Mbps",  "54 Mbps"};
const std::vector<std::string> kBRates = {"1", "2", "5.5 Mbps", "11 Mbps"};
const std::vector<std::string> kARates = {"6 Mbps",  "9 Mbps",  "12 Mbps", "18 Mbps",
                                          "24 Mbps", "36 Mbps", "48 Mbps", "54 Mbps"};

// Index 0 is the automatic set; index i > 0 the single rate of item i.
const std::vector<uint8_t> kBgFixed = {2, 4, 11, 22, 12, 18, 24, 36, 48, 72, 96, 108};
const std::vector<uint8_t> kBFixed = {2, 4, 11, 22};
const std::vector<uint8_t> kAFixed = {12, 18, 24, 36, 48, 72, 96, 108};
constexpr RateSet kBgAuto = {108, 96, 72, 48, 22, 11, 4, 2};
constexpr RateSet kBAuto = {22, 11, 4, 2, 0, 0, 0, 0};
constexpr RateSet kAAuto = {108, 96, 72, 48, 36, 24, 18, 12};

constexpr const char* kTxRate = "Tx Rate";
constexpr const char* kBgProtection = "BG Protection";
constexpr const char* kTxBurst = "Tx Burst";
constexpr const char* kAdhocOfdm = "Ad Hoc Use OFDM";
constexpr const char* kWirelessMode = "Wireless Mode";

}  // namespace

std::vector<std::string> RateItems(int32_t wirelessMode) {
  const std::vector<std::string>* rates = nullptr;
  switch (wirelessMode) {
    case kModeBgMixed:
    case kModeAbgMixed:
      rates = &kBgRates;
      break;
    case kModeB:
      rates = &kBRates;
      break;
    case kModeA:
      rates = &kARates;
      break;
    default:
      return {};
  }
  std::vector<std::string> items{text::Tr("AdvancePage", "Auto")};
  items.insert(items.end(), rates->begin(), rates->end());
  return items;
}

std::optional<RateSet> RatesFor(int32_t wirelessMode, int32_t index) {
  const std::vector<uint8_t>* fixed = nullptr;
  RateSet automatic{};
  switch (wirelessMode) {
    case kModeBgMixed:
    case kModeAbgMixed:
      fixed = &kBgFixed;
      automatic = kBgAuto;
      break;
    case kModeB:
      fixed = &kBFixed;
      automatic = kBAuto;
      break;
    case kModeA:
      fixed = &kAFixed;
      automatic = kAAuto;
      break;
    default:
      return std::nullopt;
  }
  // Both ends: a negative index is as far outside the list as one past its end.
  if (index < 0 || index > static_cast<int32_t>(fixed->size())) return std::nullopt;
  if (index == 0) return automatic;
  RateSet one{};
  one[0] = (*fixed)[static_cast<std::size_t>(index - 1)];
  return one;
}

AdvanceSettings SettingsFromRecord(const plist::Dictionary& record, int32_t bgItems) {
  AdvanceSettings s;
  const AdvanceSettings creation;
  const int32_t mode = plist::IntValue(record.Text(kWirelessMode));
  s.wirelessMode = mode >= 0 && mode < kWirelessModes ? mode : creation.wirelessMode;
  const int32_t rate = plist::IntValue(record.Text(kTxRate));
  s.txRate = RatesFor(s.wirelessMode, rate) ? rate : creation.txRate;
  const int32_t protection = plist::IntValue(record.Text(kBgProtection));
  s.bgProtection = protection >= 0 && protection < bgItems ? protection : creation.bgProtection;
  s.txBurst = plist::IntValue(record.Text(kTxBurst)) != 0;
  s.adhocOfdm = plist::IntValue(record.Text(kAdhocOfdm)) != 0;
  return s;
}

plist::Dictionary RecordFromSettings(const AdvanceSettings& s) {
  plist::Dictionary record;
  record.Set(kTxRate, std::to_string(s.txRate));
  record.Set(kBgProtection, std::to_string(s.bgProtection));
  record.Set(kTxBurst, s.txBurst ? "1" : "0");
  record.Set(kAdhocOfdm, s.adhocOfdm ? "1" : "0");
  record.Set(kWirelessMode, std::to_string(s.wirelessMode));
  return record;
}

}  // namespace netvane
