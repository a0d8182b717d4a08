// The security controls shared by the connect-time security sheet and the profile editor:
// which encryption choices go with the authentication, which key fields are usable, and the
// check of the typed keys when the user presses OK. Each dialog owns one KeyEntry over its own
// controls and forwards its actions to it.
#pragma once

#include <array>
#include <cstdint>

#include "keyentry/KeyValidation.h"
#include "state/SharedState.h"
#include "ui/Alert.h"
#include "ui/ChoiceList.h"
#include "ui/TextField.h"
#include "ui/Toggle.h"

namespace netvane {

// The dialog's controls; KeyEntry owns none of them and every one must outlive it.
struct SecurityControls {
  ui::ChoiceList& AuthenType;
  ui::ChoiceList& EncryType;
  std::array<ui::ChoiceList*, kWepKeyCount> WEPKeyCombo;  // key type per key
  std::array<ui::TextField*, kWepKeyCount> WEPKeyText;
  std::array<ui::Toggle*, kWepKeyCount> WEPKeyRadio;  // one radio group: the transmit key
  ui::TextField& WPAPreSharedKey;
};

class KeyEntry {
 public:
  // `state` offers the encryption capability for WPA-PSK.
  KeyEntry(const SecurityControls& controls, ui::Alert& alert, const SharedState& state);
  KeyEntry(const KeyEntry&) = delete;
  KeyEntry& operator=(const KeyEntry&) = delete;

  // The dialog was loaded: the encryption list counts as never filled.
  void DialogLoaded();

  // Refills the encryption list when the authentication category changed (or on first use),
  // selecting its first entry; then updates the key fields.
  void OnSelchangeAuthType();
  // Enables the key fields the chosen combination needs and disables the rest.
  void OnSelchangeEncryptionType();
  // Checks the typed keys; on a problem shows its alert and returns false.
  bool VerifyKey();

  // Control actions.
  void OnAuthType(const void* /*sender*/) { OnSelchangeAuthType(); }
  void OnEncryType(const void* /*sender*/) { OnSelchangeEncryptionType(); }

  // Presets for callers; they select an entry and do nothing else.
  // NOLINTBEGIN(readability-identifier-naming) names the dialogs' callers use
  void setAuthenTypeCombo(int32_t index) { controls_.AuthenType.SelectIndex(index); }
  int32_t getAuthenTypeCombo() const { return controls_.AuthenType.SelectedIndex(); }
  void setEncryTypeCombo(int32_t index) { controls_.EncryType.SelectIndex(index); }
  // NOLINTEND(readability-identifier-naming)

  // The transmit key: the first radio that is on, 0 when none is.
  int32_t SelectedKeyIndex() const;
  // Everything the controls hold, as plain values.
  KeyEntryValues Values() const;

 private:
  void SetWepControlsEnabled(bool enabled);

  SecurityControls controls_;
  ui::Alert& alert_;
  const SharedState& state_;
  // 0 while the encryption list holds the open/shared entries, 1 for WPA-PSK.
  int32_t selFlag_ = 0;
  bool encryptionListFilled_ = false;
};

}  // namespace netvane
