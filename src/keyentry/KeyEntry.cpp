#include "keyentry/KeyEntry.h"

#include "driver/Records.h"
#include "text/Translate.h"

namespace netvane {
namespace {

constexpr int32_t kCategoryWep = 0;
constexpr int32_t kCategoryWpa = 1;

void FillEncryptionChoices(ui::ChoiceList& list, int32_t category,
                           NDIS_802_11_WEP_STATUS capability) {
  list.RemoveAll();
  if (category == kCategoryWep) {
    list.Add(text::Tr("KeyEntry", "NONE"));
    list.Add("WEP");
  } else if (capability == Ndis802_11Encryption2Enabled) {
    list.Add("TKIP");
  } else if (capability == Ndis802_11Encryption3Enabled) {
    list.Add("TKIP");
    list.Add("AES");
  }
  if (list.Count() > 0) list.SelectIndex(0);
}

// Copies a key field's text and wipes the field's returned copy, which a move would leave
// behind whenever the text fits inside the string object.
void TakeText(const ui::TextField& field, std::string& into) {
  std::string typed = field.Text();
  into.assign(typed);
  system::WipeString(typed);
}

}  // namespace

KeyEntry::KeyEntry(const SecurityControls& controls, ui::Alert& alert, const SharedState& state)
    : controls_(controls), alert_(alert), state_(state) {}

void KeyEntry::DialogLoaded() {
  selFlag_ = 0;
  encryptionListFilled_ = false;
}

void KeyEntry::OnSelchangeAuthType() {
  const int32_t auth = controls_.AuthenType.SelectedIndex();
  if (auth >= kAuthOpenSystem && auth <= kAuthWpa2Psk) {
    const int32_t category = auth >= kAuthWpaPsk ? kCategoryWpa : kCategoryWep;
    // Within one category the list stays, so open system <-> shared key keeps the choice.
    if (!encryptionListFilled_ || category != selFlag_) {
      FillEncryptionChoices(controls_.EncryType, category, state_.G_encryCapa);
      selFlag_ = category;
      encryptionListFilled_ = true;
    }
  }
  OnSelchangeEncryptionType();
}

void KeyEntry::OnSelchangeEncryptionType() {
  const int32_t auth = controls_.AuthenType.SelectedIndex();
  const int32_t encryption = controls_.EncryType.SelectedIndex();
  const bool wepCombination = (auth == kAuthOpenSystem || auth == kAuthSharedKey) &&
                              (encryption == kEncryNone || encryption == kEncryWep);
  if (wepCombination) {
    controls_.WPAPreSharedKey.Disable();
    // Shared key uses the WEP keys even with no encryption chosen.
    SetWepControlsEnabled(auth == kAuthSharedKey || encryption == kEncryWep);
  } else if (auth == kAuthWpaPsk || auth == kAuthWpa2Psk) {
    controls_.WPAPreSharedKey.Enable();
    SetWepControlsEnabled(false);
  }
  // Anything else (nothing selected) leaves the fields as they are.
}

bool KeyEntry::VerifyKey() {
  const auto problem = FindKeyProblem(Values());
  if (!problem) return true;
  alert_.Run(*problem, "");
  return false;
}

int32_t KeyEntry::SelectedKeyIndex() const {
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    if (controls_.WEPKeyRadio[i]->State()) return static_cast<int32_t>(i);
  }
  return 0;
}

KeyEntryValues KeyEntry::Values() const {
  KeyEntryValues v;
  v.authentication = controls_.AuthenType.SelectedIndex();
  v.encryption = controls_.EncryType.SelectedIndex();
  v.selectedKey = SelectedKeyIndex();
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    v.keyTypes[i] = controls_.WEPKeyCombo[i]->SelectedIndex();
    TakeText(*controls_.WEPKeyText[i], v.keyTexts[i]);
  }
  TakeText(controls_.WPAPreSharedKey, v.preSharedKey);
  return v;
}

void KeyEntry::SetWepControlsEnabled(bool enabled) {
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    controls_.WEPKeyRadio[i]->SetEnabled(enabled);
    controls_.WEPKeyCombo[i]->SetEnabled(enabled);
    controls_.WEPKeyText[i]->SetEnabled(enabled);
  }
}

}  // namespace netvane
