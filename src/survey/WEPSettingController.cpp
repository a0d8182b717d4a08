#include "survey/WEPSettingController.h"

#include <algorithm>

namespace netvane {

WEPSettingController::WEPSettingController(const SecurityControls& controls, ui::Alert& alert,
                                           ui::SheetRunner& sheets, const SharedState& state)
    : controls_(controls), keys_(controls, alert, state), sheets_(sheets) {}

void WEPSettingController::awakeFromNib() {
  controls_.AuthenType.SelectIndex(0);
  controls_.EncryType.SelectIndex(0);
  for (ui::ChoiceList* keyType : controls_.WEPKeyCombo) keyType->SelectIndex(0);
  keys_.DialogLoaded();
  keys_.OnSelchangeAuthType();
}

void WEPSettingController::clearText() {
  controls_.WPAPreSharedKey.SetText("");
  for (ui::TextField* text : controls_.WEPKeyText) text->SetText("");
  keys_.OnSelchangeAuthType();
}

void WEPSettingController::Preset(int32_t authentication, int32_t encryption) {
  keys_.setAuthenTypeCombo(authentication);
  keys_.OnSelchangeAuthType();
  keys_.setEncryTypeCombo(encryption);
  keys_.OnSelchangeEncryptionType();
}

void WEPSettingController::OnOK() {
  if (!keys_.VerifyKey()) return;
  const KeyEntryValues values = keys_.Values();
  settings_.AuthenType = values.authentication;
  settings_.EncryType = values.encryption;
  // Index 1 is WEP beside open system and AES beside WPA-PSK; either way the keys convert.
  if (values.authentication == kAuthSharedKey || values.encryption == 1) ConvertWepKeys(values);
  settings_.SelKeyIndex = values.selectedKey;

  const std::string& psk = values.preSharedKey;
  const std::size_t pskLength = std::min(psk.size(), kWpaKeyTextLength);
  settings_.WPAPSK.fill(0);
  std::copy_n(psk.begin(), pskLength, settings_.WPAPSK.begin());
  settings_.WPAPSKlen = static_cast<int32_t>(pskLength);

  if (siteSurvey_ != nullptr) siteSurvey_->ReceiveWEPsetting(settings_);
  // The page has its copy; unlike the WEP keys, the pass phrase is typed anew for every connect.
  settings_.WPAPSK.fill(0);
  settings_.WPAPSKlen = 0;
  sheets_.StopModal(ui::kModalOK);
}

void WEPSettingController::ConvertWepKeys(const KeyEntryValues& values) {
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    settings_.keys[i] = ConvertWepKey(values.keyTexts[i], values.keyTypes[i]);
  }
}

}  // namespace netvane
