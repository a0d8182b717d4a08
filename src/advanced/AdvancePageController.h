// The advanced page: wireless mode, transmit rate, protection, burst and ad hoc OFDM rates,
// sent to the driver and kept in "AdvancedProfileSetting.plist" by Apply, put back by Reset;
// and the radio switch.
#pragma once

#include <cstdint>

#include "advanced/AdvanceSettings.h"
#include "platform/prefs/UserDefaults.h"
#include "state/SharedState.h"
#include "ui/Button.h"
#include "ui/ChoiceList.h"
#include "ui/ImageView.h"
#include "ui/ShellPages.h"
#include "ui/Toggle.h"

namespace netvane {

class CV7000Access;

struct AdvanceControls {
  ui::ChoiceList& WirelessMode;  // item index = wireless mode
  ui::ChoiceList& TXrate;        // refilled for each mode
  ui::ChoiceList& BGprotection;
  ui::Toggle& EnableTXburst;
  ui::Toggle& AdhocModeUseOFDMrate;
  ui::Button& Apply;
  ui::Button& Reset;
  ui::Button& Radio;  // its title names what pressing it does
  ui::ImageView& RadioSwitchPic;
};

class AdvancePageController : public ui::AdvanceShellPage {
 public:
  // Every reference must outlive the page.
  AdvancePageController(SharedState& state, CV7000Access& adapter, const AdvanceControls& controls,
                        prefs::RecordListFile& settingsFile);

  // NOLINTBEGIN(readability-identifier-naming) the names the layout and the shell use
  void awakeFromNib();
  void RadioStatus() override;
  void OnRadioSwitch(const void* sender);
  void OnApply(const void* sender);
  void OnReset(const void* sender);
  void OnSelChangeWirelessMode(const void* sender);
  void OnTxRate(const void* sender);
  void OnSelBGProtection(const void* sender);
  void OnTxBurst(const void* sender);
  void OnAdHocUseOFDM(const void* sender);
  void EnableButton();
  void DisabledButton();
  // NOLINTEND(readability-identifier-naming)

  const AdvanceSettings& Settings() const { return current_; }

 private:
  void Show();

  SharedState& state_;
  CV7000Access& adapter_;
  AdvanceControls c_;
  prefs::RecordListFile& file_;
  AdvanceSettings current_;
  // What was last loaded or applied; none before a file or an Apply gave one.
  std::optional<AdvanceSettings> stored_;
};

}  // namespace netvane
