#include "advanced/AdvancePageController.h"

#include <cstring>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "platform/system/Consistency.h"
#include "platform/system/Log.h"
#include "text/Translate.h"
#include "ui/ImageNames.h"

namespace netvane {

AdvancePageController::AdvancePageController(SharedState& state, CV7000Access& adapter,
                                             const AdvanceControls& controls,
                                             prefs::RecordListFile& settingsFile)
    : state_(state), adapter_(adapter), c_(controls), file_(settingsFile) {}

void AdvancePageController::awakeFromNib() {
  const std::optional<plist::RecordList> records = file_.Load();
  if (records && !records->empty()) {
    current_ = SettingsFromRecord(records->front(), c_.BGprotection.Count());
    stored_ = current_;
  }
  Show();
}

void AdvancePageController::Show() {
  c_.WirelessMode.SelectIndex(current_.wirelessMode);
  OnSelChangeWirelessMode(nullptr);
  c_.BGprotection.SelectIndex(current_.bgProtection);
  c_.TXrate.SelectIndex(current_.txRate);
  c_.EnableTXburst.SetState(current_.txBurst);
  c_.AdhocModeUseOFDMrate.SetState(current_.adhocOfdm);
  DisabledButton();
}

void AdvancePageController::OnSelChangeWirelessMode(const void* /*sender*/) {
  current_.wirelessMode = c_.WirelessMode.SelectedIndex();
  c_.TXrate.RemoveAll();
  for (const std::string& item : RateItems(current_.wirelessMode)) c_.TXrate.Add(item);
  switch (current_.wirelessMode) {
    case kModeBgMixed:
    case kModeAbgMixed:
      c_.BGprotection.SetEnabled(true);
      break;
    case kModeB:
    case kModeA:
      c_.BGprotection.SetEnabled(false);
      current_.bgProtection = 0;
      c_.BGprotection.SelectIndex(0);
      if (!RatesFor(current_.wirelessMode, current_.txRate)) current_.txRate = 0;
      break;
    default:
      system::ReportConsistencyFailure(system::LogCategory::kAdvanced,
                                       "wireless mode %d is not in the list; rates not shown",
                                       current_.wirelessMode);
      return;
  }
  c_.TXrate.SelectIndex(current_.txRate);
  EnableButton();
}

void AdvancePageController::OnTxRate(const void* /*sender*/) {
  current_.txRate = c_.TXrate.SelectedIndex();
  EnableButton();
}

void AdvancePageController::OnSelBGProtection(const void* /*sender*/) {
  current_.bgProtection = c_.BGprotection.SelectedIndex();
  EnableButton();
}

void AdvancePageController::OnTxBurst(const void* /*sender*/) {
  current_.txBurst = c_.EnableTXburst.State();
  EnableButton();
}

void AdvancePageController::OnAdHocUseOFDM(const void* /*sender*/) {
  current_.adhocOfdm = c_.AdhocModeUseOFDMrate.State();
  EnableButton();
}

void AdvancePageController::OnApply(const void* /*sender*/) {
  AdvanceSettings& s = current_;
  s.txRate = c_.TXrate.SelectedIndex();
  // A card without 802.11a gets b/g mixed instead of a-only or a/b/g.
  if (state_.G_bSupportAMode == 0 && s.wirelessMode > kModeB) s.wirelessMode = kModeBgMixed;
  state_.G_enumWirelessMode = static_cast<CV_802_11_PHY_MODE>(s.wirelessMode);
  if (s.wirelessMode == kModeB || s.wirelessMode == kModeA) s.bgProtection = 0;
  if ((s.wirelessMode == kModeB || s.wirelessMode == kModeA) &&
      !RatesFor(s.wirelessMode, s.txRate)) {
    s.txRate = 0;
  }

  uint32_t returned = 0;
  uint32_t mode = 0;
  adapter_.OidQueryInformation(OID_CV_802_11_PHY_MODE, &mode, sizeof mode, &returned);
  if (mode != static_cast<uint32_t>(s.wirelessMode)) {
    mode = static_cast<uint32_t>(s.wirelessMode);
    adapter_.OidSetInformation(OID_CV_802_11_PHY_MODE, &mode, sizeof mode, &returned, 1);
  }

  CV_802_11_STA_CONFIG config{};
  adapter_.OidQueryInformation(OID_CV_802_11_STA_CONFIG, &config, sizeof config, &returned);
  const CV_802_11_STA_CONFIG read = config;
  config.EnableTurboRate = 0;
  config.EnableTxBurst = s.txBurst ? 1 : 0;
  config.UseBGProtection = static_cast<uint32_t>(s.bgProtection);
  config.UseShortSlotTime = 0;
  config.UseOfdmRatesIn11gAdhoc = s.adhocOfdm ? 1 : 0;
  if (std::memcmp(&config, &read, sizeof config) != 0) {
    adapter_.OidSetInformation(OID_CV_802_11_STA_CONFIG, &config, sizeof config, &returned, 1);
  }

  std::optional<RateSet> rates = RatesFor(s.wirelessMode, s.txRate);
  if (!rates) {
    system::ReportConsistencyFailure(
        system::LogCategory::kAdvanced,
        "no rate set for wireless mode %d and rate %d; the rates were not applied", s.wirelessMode,
        s.txRate);
    return;
  }
  adapter_.OidSetInformation(OID_802_11_DESIRED_RATES, rates->data(), kRatesLength, &returned, 1);

  stored_ = s;
  std::string reason;
  if (!file_.Save(
          std::make_shared<const plist::SharedRecords>(plist::RecordList{RecordFromSettings(s)}),
          reason)) {
    system::LogWarning(system::LogCategory::kAdvanced, "netvane: " + reason);
  }
  // The corrections above show, so the window never claims settings the driver lacks.
  Show();
}

void AdvancePageController::OnReset(const void* /*sender*/) {
  if (stored_) current_ = *stored_;
  Show();
}

void AdvancePageController::EnableButton() {
  c_.Apply.SetEnabled(true);
  c_.Reset.SetEnabled(true);
}

void AdvancePageController::DisabledButton() {
  c_.Apply.SetEnabled(false);
  c_.Reset.SetEnabled(false);
}

void AdvancePageController::RadioStatus() {
  // The button names what pressing it would do.
  if (state_.G_bRadio != 0) {
    c_.Radio.SetTitle(text::Tr("AdvancePage", "Radio Off"));
    c_.RadioSwitchPic.ShowImage(ui::kImageRadioOn);
    state_.G_bCheckedProfileConnect = 1;
  } else {
    c_.Radio.SetTitle(text::Tr("AdvancePage", "Radio On"));
    c_.RadioSwitchPic.ShowImage(ui::kImageRadioOff);
    state_.G_bCheckedProfileConnect = 0;
  }
}

void AdvancePageController::OnRadioSwitch(const void* /*sender*/) {
  state_.G_bRadio = state_.G_bRadio != 0 ? 0 : 1;
  RadioStatus();
  uint8_t word[4] = {static_cast<uint8_t>(state_.G_bRadio != 0 ? 1 : 0), 0, 0, 0};
  uint32_t returned = 0;
  adapter_.OidSetInformation(OID_CV_802_11_RADIO, word, sizeof word, &returned, 1);
  // A fresh scan, so that the list shows what the radio now hears.
  adapter_.RescanBssidList();
  adapter_.QueryBssidList();
  state_.G_bRescan = 1;
}

}  // namespace netvane
