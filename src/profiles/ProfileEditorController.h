// The profile editor dialog: a blank new profile (Add), a stored one (Edit), or a new one from
// a scanned network (Add to Profile). OK checks the name and the keys, builds the record and
// stores that one change (an added profile, or the edited one replaced) into the list as it is
// then; Cancel saves nothing. Either way the caller reads the list again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "keyentry/KeyEntry.h"
#include "keyentry/WepKeyMaterial.h"
#include "profiles/ProfileStore.h"
#include "state/SharedState.h"
#include "survey/ProfileHooks.h"
#include "ui/Alert.h"
#include "ui/ChoiceList.h"
#include "ui/SheetRunner.h"
#include "ui/Slider.h"
#include "ui/TabView.h"
#include "ui/TextField.h"
#include "ui/Toggle.h"
#include "ui/Window.h"

namespace netvane {

// The form's controls; the editor owns none and every one must outlive it.
struct ProfileEditorControls {
  ui::TextField& ProfileName;
  ui::ChoiceList& SSID;  // editable: a scanned name or a typed one
  ui::ChoiceList& NetworkType;
  ui::ChoiceList& Channel;  // filled by the editor: the channels the network type allows
  SecurityControls security;
  ui::ChoiceList& PreambleType;
  ui::ChoiceList& TxPower;
  ui::Toggle& PSMode;
  ui::Toggle& CamWhenAcPower;
  ui::Toggle& RtsThresholdCheck;
  ui::Slider& RtsThresholdSlider;
  ui::TextField& RtsThresholdText;
  ui::Toggle& FragThresholdCheck;
  ui::Slider& FragThresholdSlider;
  ui::TextField& FragThresholdText;
  ui::TabView& TabView;
};

class ProfileEditorController : public ProfileEditorHook {
 public:
  // Every reference must outlive the editor.
  ProfileEditorController(const ProfileEditorControls& controls, ui::Alert& alert,
                          ui::SheetRunner& sheets, ProfileStore& store, const SharedState& state);
  ProfileEditorController(const ProfileEditorController&) = delete;
  ProfileEditorController& operator=(const ProfileEditorController&) = delete;
  // Saves nothing: only OK stores a change.
  ~ProfileEditorController() override;

  // NOLINTBEGIN(readability-identifier-naming) the names the layout and the callers use
  void awakeFromNib();
  void AddInit() override;
  bool EditInit(int32_t sel) override;
  bool AddProfile(const ScannedNetwork& network) override;
  bool AddProfile(const std::string& strSSID, const std::array<uint8_t, kMacLength>& strBSSID,
                  NDIS_802_11_WEP_STATUS enumEncryStatus,
                  NDIS_802_11_AUTHENTICATION_MODE enumAuthMode, int32_t nNetworkType,
                  int32_t nChannel);
  std::string GetNextProfileName() const;
  void GetBssidList();
  ProfileRecord createProfileData();
  // Stores the record as this opening's one change; false, with an alert, when it was not.
  bool saveProfile(ProfileRecord record);

  void OnOK(const void* sender);
  void OnCANCEL(const void* sender);
  void OnSelRTS(const void* sender);
  void OnRtsSlider(const void* sender);
  void OnSelFrag(const void* sender);
  void OnFragSlider(const void* sender);
  void OnAuthType(const void* /*sender*/) { keys_.OnSelchangeAuthType(); }
  void OnEncryType(const void* /*sender*/) { keys_.OnSelchangeEncryptionType(); }
  // The channel list follows the network type; a channel the new list lacks gives its first.
  void OnNetworkType(const void* sender);
  // NOLINTEND(readability-identifier-naming)

 private:
  struct Threshold {
    ui::Toggle& check;
    ui::Slider& slider;
    ui::TextField& text;
    int defaultValue = 0;  // the form's own, read at set-up
  };

  void Open(bool isNew);
  void ResetThreshold(Threshold& t);
  void LoadThreshold(Threshold& t, const std::string& stored);
  static void FollowCheck(Threshold& t);
  void ClearKeys();
  // Fills the channel list for the selected network type and selects `channel`; when the list
  // has no entry for it, nothing is selected and `stored` is what OK keeps.
  void ShowChannels(int32_t channel, const std::string& stored);
  void Release();

  ProfileEditorControls c_;
  KeyEntry keys_;
  ui::Alert& alert_;
  ui::SheetRunner& sheets_;
  ProfileStore& store_;
  const SharedState& state_;
  Threshold rts_;
  Threshold frag_;

  // NOLINTBEGIN(readability-identifier-naming) the editor's own operation names
  // The list as read at the opening, held until OK or Cancel: the proposed name, and the
  // edited profile as it was shown.
  std::optional<ProfileRecordList> records;
  bool IsNewData = true;
  int32_t modifyIndex = -1;
  std::optional<std::array<uint8_t, kMacLength>> copyBSSID;  // none: store ""
  std::array<WepKeyMaterial, kWepKeyCount> KeyMaterial;
  // NOLINTEND(readability-identifier-naming)
  // The scanned networks behind the SSID list's entries, captured with them.
  std::vector<std::array<uint8_t, kMacLength>> listedBssids_;
  // The channel an opening asked for when the list has no entry for it (165 for an ad hoc
  // profile, or a stored 0).
  std::string unlistedChannel_;
  // Edit: the stored keys, kept for key fields left empty.
  std::array<std::string, kWepKeyCount> storedKeys_;
};

}  // namespace netvane
