#include "profiles/ProfileEditorController.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "crypto/MathFunc.h"
#include "driver/ChannelFreqTable.h"
#include "platform/system/Consistency.h"
#include "platform/system/Log.h"
#include "survey/AccessPointRows.h"
#include "survey/HiddenSSIDController.h"
#include "text/Translate.h"

namespace netvane {
namespace {

namespace key = profile_key;

constexpr int kNetworkTypeAdhoc = 0;
constexpr int kNetworkTypeInfrastructure = 1;

std::string MacText(const std::array<uint8_t, kMacLength>& mac) {
  char text[2 * kMacLength + 1];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X%02X%02X", mac[0], mac[1], mac[2], mac[3],
                mac[4], mac[5]);
  return text;
}

// Twelve hexadecimal digits and nothing else, as bytes; nullopt for anything else ("" for a
// typed SSID, or a hand-edited value), which is never read past its end.
std::optional<std::array<uint8_t, kMacLength>> MacFromText(const std::string& text) {
  if (text.size() != 2 * kMacLength || !std::all_of(text.begin(), text.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
      })) {
    return std::nullopt;
  }
  std::array<uint8_t, kMacLength> mac{};
  crypto::AtoH(text.data(), mac.data(), static_cast<int32_t>(kMacLength));
  return mac;
}

// Selects the first entry that reads `text`; none (-1) when no entry does.
int SelectEntry(ui::ChoiceList& list, const std::string& text) {
  for (int i = 0; i < list.Count(); ++i) {
    list.SelectIndex(i);
    if (list.SelectedText() == text) return i;
  }
  list.SelectIndex(-1);
  return -1;
}

}  // namespace

ProfileEditorController::ProfileEditorController(const ProfileEditorControls& controls,
                                                 ui::Alert& alert, ui::SheetRunner& sheets,
                                                 ProfileStore& store, const SharedState& state)
    : c_(controls),
      keys_(controls.security, alert, state),
      alert_(alert),
      sheets_(sheets),
      store_(store),
      state_(state),
      rts_{controls.RtsThresholdCheck, controls.RtsThresholdSlider, controls.RtsThresholdText},
      frag_{controls.FragThresholdCheck, controls.FragThresholdSlider, controls.FragThresholdText} {
}

ProfileEditorController::~ProfileEditorController() {
  system::LogDebug(system::LogCategory::kProfiles, "ProfileEditorController - dealloc ");
  ClearKeys();
}

void ProfileEditorController::awakeFromNib() {
  ClearKeys();
  keys_.DialogLoaded();
  // The form's own threshold values are the defaults an opening goes back to.
  for (Threshold* t : {&rts_, &frag_}) t->defaultValue = t->slider.Value();
}

void ProfileEditorController::ClearKeys() {
  for (WepKeyMaterial& material : KeyMaterial) material = WepKeyMaterial();
  for (std::string& stored : storedKeys_) system::WipeString(stored);
}

void ProfileEditorController::ResetThreshold(Threshold& t) {
  t.check.SetState(false);
  t.slider.SetValue(t.defaultValue);
  t.text.SetText(std::to_string(t.defaultValue));
  FollowCheck(t);
}

void ProfileEditorController::LoadThreshold(Threshold& t, const std::string& stored) {
  // A value the form's default does not match must show, or saving would replace it.
  const int32_t value = IntValue(stored);
  t.check.SetState(value != t.defaultValue);
  t.slider.SetValue(value);
  t.text.SetText(stored);
  FollowCheck(t);
}

void ProfileEditorController::FollowCheck(Threshold& t) {
  const bool on = t.check.State();
  t.slider.SetEnabled(on);
  t.text.SetEnabled(on);
}

void ProfileEditorController::Open(bool isNew) {
  IsNewData = isNew;
  modifyIndex = -1;
  copyBSSID.reset();
  unlistedChannel_.clear();
  // Another profile's keys never reach this one.
  ClearKeys();
  c_.TabView.SelectIndex(0);
  records = store_.LoadProfileRecords();
  if (isNew) {
    ResetThreshold(rts_);
    ResetThreshold(frag_);
  }
}

void ProfileEditorController::AddInit() {
  Open(true);
  GetBssidList();
  c_.ProfileName.SetText(GetNextProfileName());
  c_.CamWhenAcPower.SetState(false);
  c_.security.AuthenType.SelectIndex(kAuthOpenSystem);
  keys_.OnSelchangeAuthType();
  c_.security.EncryType.SelectIndex(0);
  keys_.OnSelchangeEncryptionType();
  c_.NetworkType.SelectIndex(kNetworkTypeInfrastructure);
  ShowChannels(1, "1");
  c_.PreambleType.SelectIndex(0);
  c_.PSMode.SetState(false);
  c_.TxPower.SelectIndex(0);
  c_.SSID.SetText("");
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    c_.security.WEPKeyCombo[i]->SelectIndex(kKeyTypeHex);
    c_.security.WEPKeyText[i]->SetText("");
  }
  c_.security.WEPKeyRadio[0]->SetState(true);
  c_.security.WPAPreSharedKey.SetText("");
}

bool ProfileEditorController::AddProfile(const ScannedNetwork& n) {
  return AddProfile(n.ssid, n.bssid, n.encryption, n.authentication, n.networkType, n.channel);
}

bool ProfileEditorController::AddProfile(const std::string& strSSID,
                                         const std::array<uint8_t, kMacLength>& strBSSID,
                                         NDIS_802_11_WEP_STATUS enumEncryStatus,
                                         NDIS_802_11_AUTHENTICATION_MODE enumAuthMode,
                                         int32_t nNetworkType, int32_t nChannel) {
  Open(true);
  c_.ProfileName.SetText(GetNextProfileName());
  c_.CamWhenAcPower.SetState(false);
  // A WPA-None network is a WPA pre-shared key on an ad hoc network: the profile says it that
  // way, and activation turns it back into WPA-None.
  int32_t authentication = kAuthOpenSystem;
  if (enumAuthMode == Ndis802_11AuthModeShared) authentication = kAuthSharedKey;
  if (enumAuthMode == Ndis802_11AuthModeWPA || enumAuthMode == Ndis802_11AuthModeWPAPSK ||
      enumAuthMode == Ndis802_11AuthModeWPANone) {
    authentication = kAuthWpaPsk;
  }
  if (enumAuthMode == Ndis802_11AuthModeWPA2 || enumAuthMode == Ndis802_11AuthModeWPA2PSK) {
    authentication = kAuthWpa2Psk;
  }
  c_.security.AuthenType.SelectIndex(authentication);
  keys_.OnSelchangeAuthType();
  int32_t encryption = kEncryNone;
  if (authentication >= kAuthWpaPsk) {
    encryption = enumEncryStatus == Ndis802_11Encryption3Enabled ? kEncryAes : kEncryTkip;
  } else if (enumEncryStatus == Ndis802_11WEPEnabled) {
    encryption = kEncryWep;
  }
  c_.security.EncryType.SelectIndex(encryption);
  // AES where the card offers only TKIP: the first entry the list has.
  if (c_.security.EncryType.SelectedIndex() < 0) c_.security.EncryType.SelectIndex(0);
  keys_.OnSelchangeEncryptionType();
  c_.NetworkType.SelectIndex(nNetworkType);
  ShowChannels(nChannel, std::to_string(nChannel));
  c_.PreambleType.SelectIndex(0);
  c_.PSMode.SetState(false);
  c_.TxPower.SelectIndex(0);
  GetBssidList();
  if (SelectEntry(c_.SSID, strSSID) < 0) {
    c_.SSID.SelectIndex(0);
    if (c_.SSID.Count() == 0) c_.SSID.SetText(strSSID);
  }
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    c_.security.WEPKeyCombo[i]->SelectIndex(kKeyTypeHex);
    c_.security.WEPKeyText[i]->SetText("");
  }
  c_.security.WEPKeyRadio[0]->SetState(true);
  c_.security.WPAPreSharedKey.SetText("");
  copyBSSID = strBSSID;
  return true;
}

bool ProfileEditorController::EditInit(int32_t sel) {
  Open(false);
  if (sel < 0 || static_cast<std::size_t>(sel) >= records->size()) {
    system::ReportConsistencyFailure(system::LogCategory::kProfiles,
                                     "profile row %d is not among the %zu profiles; not opened",
                                     sel, records->size());
    Release();
    return false;
  }
  modifyIndex = sel;
  const ProfileRecord& r = (*records)[static_cast<std::size_t>(sel)];
  c_.ProfileName.SetText(r.Text(key::kProfileName));
  c_.CamWhenAcPower.SetState(IntOf(r, key::kAcPowerCam) != 0);
  c_.security.AuthenType.SelectIndex(IntOf(r, key::kAuthentication));
  keys_.OnSelchangeAuthType();
  c_.security.EncryType.SelectIndex(IntOf(r, key::kEncryption));
  keys_.OnSelchangeEncryptionType();
  c_.NetworkType.SelectIndex(IntOf(r, key::kNetworkType));
  ShowChannels(IntOf(r, key::kChannel), r.Text(key::kChannel));
  c_.PreambleType.SelectIndex(IntOf(r, key::kPreamble));
  c_.PSMode.SetState(IntOf(r, key::kPowerSave) != 0);
  c_.TxPower.SelectIndex(IntOf(r, key::kTxPower));
  GetBssidList();
  const std::string ssid = r.Text(key::kSsid);
  if (SelectEntry(c_.SSID, ssid) < 0) c_.SSID.SetText(ssid);
  // Stored keys are never shown; a key field left empty keeps its stored key.
  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    c_.security.WEPKeyCombo[i]->SelectIndex(IntOf(r, std::string(key::kWepKeys[i]) + " Type"));
    c_.security.WEPKeyText[i]->SetText("");
    storedKeys_[i] = r.Text(key::kWepKeys[i]);
  }
  const int32_t use = IntOf(r, key::kWepKeyUse);
  if (use >= 0 && use < static_cast<int32_t>(kWepKeyCount)) {
    c_.security.WEPKeyRadio[static_cast<std::size_t>(use)]->SetState(true);
  }
  c_.security.WPAPreSharedKey.SetText("");
  LoadThreshold(rts_, r.Text(key::kRtsThreshold));
  LoadThreshold(frag_, r.Text(key::kFragThreshold));
  // Only a well-formed BSSID is kept; an ad hoc profile keeps its own, never the last one seen.
  copyBSSID = MacFromText(r.Text(key::kBssid));
  return true;
}

void ProfileEditorController::ShowChannels(int32_t channel, const std::string& stored) {
  c_.Channel.RemoveAll();
  for (uint32_t listed : ChoosableChannels(c_.NetworkType.SelectedIndex() == kNetworkTypeAdhoc)) {
    c_.Channel.Add(std::to_string(listed));
  }
  unlistedChannel_.clear();
  if (SelectEntry(c_.Channel, std::to_string(channel)) < 0) unlistedChannel_ = stored;
}

void ProfileEditorController::OnNetworkType(const void* /*sender*/) {
  const std::string shown =
      c_.Channel.SelectedIndex() >= 0 ? c_.Channel.SelectedText() : unlistedChannel_;
  ShowChannels(IntValue(shown), shown);
  if (c_.Channel.SelectedIndex() < 0) {
    c_.Channel.SelectIndex(0);
    unlistedChannel_.clear();
  }
}

std::string ProfileEditorController::GetNextProfileName() const {
  return NextProfileName(records ? *records : ProfileRecordList{});
}

void ProfileEditorController::GetBssidList() {
  const std::string typed = c_.SSID.Text();
  c_.SSID.RemoveAll();
  listedBssids_.clear();
  if (state_.G_pBssidList != nullptr) {
    const ScanListView view = state_.G_pBssidList->View();
    for (const ScanEntry& entry : view.Entries()) {
      c_.SSID.Add(SsidText(entry.fields.Ssid));
      std::array<uint8_t, kMacLength> mac{};
      std::copy(std::begin(entry.fields.MacAddress), std::end(entry.fields.MacAddress),
                mac.begin());
      listedBssids_.push_back(mac);
    }
  }
  c_.SSID.SetText(typed);
}

ProfileRecord ProfileEditorController::createProfileData() {
  const KeyEntryValues values = keys_.Values();
  const auto number = [](int32_t n) { return DecimalText(n); };
  const bool wep = values.authentication == kAuthSharedKey ||
                   (values.authentication == kAuthOpenSystem && values.encryption == kEncryWep);
  const bool wpa = values.authentication == kAuthWpaPsk || values.authentication == kAuthWpa2Psk;
  if (wep) {
    for (std::size_t i = 0; i < kWepKeyCount; ++i) {
      KeyMaterial[i] = ConvertWepKey(values.keyTexts[i], values.keyTypes[i]);
    }
  }

  ProfileRecord r;
  r.Set(key::kProfileName, c_.ProfileName.Text());
  r.Set(key::kAcPowerCam, number(c_.CamWhenAcPower.State() ? 1 : 0));
  r.Set(key::kAuthentication, number(values.authentication));
  r.Set(key::kChannel,
        c_.Channel.SelectedIndex() >= 0 ? c_.Channel.SelectedText() : unlistedChannel_);
  r.Set(key::kEncryption, number(values.encryption));
  r.Set(key::kFragThreshold, c_.FragThresholdText.Text());
  r.Set(key::kNetworkType, number(c_.NetworkType.SelectedIndex()));
  r.Set(key::kPreamble, number(c_.PreambleType.SelectedIndex()));
  r.Set(key::kPowerSave, number(c_.PSMode.State() ? 1 : 0));
  r.Set(key::kRtsThreshold, c_.RtsThresholdText.Text());
  const std::string ssid = c_.SSID.Text();
  r.Set(key::kSsid, ssid);
  r.Set(key::kTxPower, number(c_.TxPower.SelectedIndex()));

  std::string bssid;
  if (IsNewData) {
    // Picked from the list: that network's address; typed: none.
    const int picked = c_.SSID.SelectedIndex();
    if (picked >= 0 && static_cast<std::size_t>(picked) < listedBssids_.size() &&
        ssid == c_.SSID.SelectedText()) {
      bssid = MacText(listedBssids_[static_cast<std::size_t>(picked)]);
    }
  } else if (copyBSSID) {
    bssid = MacText(*copyBSSID);
  }
  r.Set(key::kBssid, bssid);

  for (std::size_t i = 0; i < kWepKeyCount; ++i) {
    // All of the key's bytes, a zero byte inside included; none for a profile without WEP.
    std::string material;
    if (wep) {
      const WepKeyMaterial& k = KeyMaterial[i];
      material.assign(reinterpret_cast<const char*>(k.bytes.data()), k.length);  // NOLINT bytes
      if (material.empty() && !IsNewData) material = storedKeys_[i];
    }
    r.Set(key::kWepKeys[i], material, true);
    system::WipeString(material);
    r.Set(std::string(key::kWepKeys[i]) + " Type", number(values.keyTypes[i]));
  }
  r.Set(key::kWepKeyUse, number(values.selectedKey));
  r.Set(key::kWpaPsk, wpa ? values.preSharedKey : std::string());
  return r;
}

bool ProfileEditorController::saveProfile(ProfileRecord record) {
  const StoreResult result =
      IsNewData ? store_.AddProfile(std::move(record))
                : store_.ReplaceProfile((*records)[static_cast<std::size_t>(modifyIndex)],
                                        modifyIndex, std::move(record));
  if (result.Saved()) return true;
  alert_.Run(text::Tr("ProfileEditor", "Could not save the profile"), result.reason);
  return false;
}

void ProfileEditorController::Release() {
  records.reset();
  ClearKeys();
}

void ProfileEditorController::OnOK(const void* /*sender*/) {
  if (!records) return;
  if (!TypedSsidFits(c_.SSID.Text(), alert_)) return;
  if (!keys_.VerifyKey()) return;
  if (!IsNewData && (modifyIndex < 0 || static_cast<std::size_t>(modifyIndex) >= records->size())) {
    // The row was checked when the dialog opened, against the list held since.
    system::ReportConsistencyFailure(system::LogCategory::kProfiles,
                                     "profile row %d is not among the %zu profiles; not saved",
                                     modifyIndex, records->size());
    Release();
    sheets_.StopModal(ui::kModalCancel);
    return;
  }
  // A save that failed leaves the dialog open: the person may try again or cancel.
  if (!saveProfile(createProfileData())) return;
  Release();
  sheets_.StopModal(ui::kModalOK);
}

void ProfileEditorController::OnCANCEL(const void* /*sender*/) {
  Release();
  sheets_.StopModal(ui::kModalCancel);
}

void ProfileEditorController::OnSelRTS(const void* /*sender*/) {
  FollowCheck(rts_);
}

void ProfileEditorController::OnRtsSlider(const void* /*sender*/) {
  rts_.text.SetText(std::to_string(rts_.slider.Value()));
}

void ProfileEditorController::OnSelFrag(const void* /*sender*/) {
  FollowCheck(frag_);
}

void ProfileEditorController::OnFragSlider(const void* /*sender*/) {
  frag_.text.SetText(std::to_string(frag_.slider.Value()));
}

}  // namespace netvane
