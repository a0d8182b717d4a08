// The connect-time security sheet: the user confirms the authentication and encryption and
// types the WEP keys or the WPA pre-shared key. OK validates them, converts the WEP keys to
// bytes and hands everything to the site survey page; Cancel hands over nothing.
#pragma once

#include "keyentry/KeyEntry.h"
#include "survey/SheetResults.h"
#include "ui/Alert.h"
#include "ui/SheetRunner.h"

namespace netvane {

class WEPSettingController {
 public:
  // Every reference must outlive the controller.
  WEPSettingController(const SecurityControls& controls, ui::Alert& alert, ui::SheetRunner& sheets,
                       const SharedState& state);
  WEPSettingController(const WEPSettingController&) = delete;
  WEPSettingController& operator=(const WEPSettingController&) = delete;

  // NOLINTBEGIN(readability-identifier-naming) the names the layout and the connect flow use
  void awakeFromNib();
  // Empties the key fields; key types and the transmit key stay as they are.
  void clearText();
  int32_t getAuthenTypeCombo() const { return keys_.getAuthenTypeCombo(); }
  // NOLINTEND(readability-identifier-naming)

  // The page that receives the settings; wired after both exist, as each needs the other.
  void SetSiteSurvey(SecuritySettingsReceiver& siteSurvey) { siteSurvey_ = &siteSurvey; }

  // Opens with these choices, their encryption list and key fields in step.
  void Preset(int32_t authentication, int32_t encryption);

  // Control actions.
  void OnAuthType() { keys_.OnSelchangeAuthType(); }
  void OnEncryType() { keys_.OnSelchangeEncryptionType(); }
  // Invalid keys: the alert, and the sheet stays open.
  void OnOK();
  void OnCANCEL() { sheets_.StopModal(ui::kModalCancel); }

 private:
  void ConvertWepKeys(const KeyEntryValues& values);

  SecurityControls controls_;
  KeyEntry keys_;
  ui::SheetRunner& sheets_;
  SecuritySettingsReceiver* siteSurvey_ = nullptr;
  // What the last OK handed over; the WEP keys carry over until an OK converts them again.
  SecuritySettings settings_;
};

}  // namespace netvane
