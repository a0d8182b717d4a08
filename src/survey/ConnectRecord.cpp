#include "survey/ConnectRecord.h"

#include <algorithm>
#include <string>

#include "crypto/MathFunc.h"
#include "driver/ChannelFreqTable.h"
#include "survey/AccessPointRows.h"
#include "survey/WpaElement.h"

namespace netvane {
namespace {

constexpr uint32_t kConnectRtsThreshold = 2347;  // off: no RTS/CTS for any frame size
constexpr std::size_t kPasswordHashOutput = 40;  // the derivation writes two 20-byte blocks
constexpr std::size_t kLongestWepKey = kWepMaterialLength - 1;

std::span<const uint8_t> SsidBytes(const NDIS_802_11_SSID& ssid) {
  return {ssid.Ssid, std::min<std::size_t>(ssid.SsidLength, kMaxSsidLength)};
}

void AddWpaKey(PROFILE_DATA& record, const ScanEntry& entry, const SecuritySettings& s,
               const NDIS_802_11_SSID& ssid) {
  SetWpaKey(record, DerivePsk(s, SsidBytes(ssid)));
  record.enumAuthenMode = s.AuthenType == kAuthWpa2Psk ? Ndis802_11AuthModeWPA2PSK
                          : entry.fields.InfrastructureMode == Ndis802_11Infrastructure
                              ? Ndis802_11AuthModeWPAPSK
                              : Ndis802_11AuthModeWPANone;
  record.enumEncryStatus =
      s.EncryType == kEncryTkip ? Ndis802_11Encryption2Enabled : Ndis802_11Encryption3Enabled;
}

void AddWepKeys(PROFILE_DATA& record, const SecuritySettings& s) {
  record.enumAuthenMode = static_cast<NDIS_802_11_AUTHENTICATION_MODE>(s.AuthenType);
  record.enumEncryStatus = s.EncryType != kEncryNone ? Ndis802_11WEPEnabled : Ndis802_11WEPDisabled;
  for (std::size_t slot = 0; slot < kWepKeySlots; ++slot) {
    const WepKeyMaterial& key = s.keys[slot];
    const std::size_t length = std::min<std::size_t>(key.length, kLongestWepKey);
    if (length == 0) continue;
    const bool transmit = s.SelKeyIndex == static_cast<int32_t>(slot);
    SetWepKey(record, slot, transmit, std::span(key.bytes).first(length));
  }
}

}  // namespace

bool IsHiddenInfrastructure(const NDIS_WLAN_BSSID_EX& fields) {
  return fields.InfrastructureMode == Ndis802_11Infrastructure && fields.Ssid.SsidLength == 0;
}

bool NeedsSecuritySheet(const NDIS_WLAN_BSSID_EX& fields, int32_t wpaKind) {
  return fields.Privacy != 0 || wpaKind == kItemWpaPsk || wpaKind == kItemWpaNone ||
         wpaKind == kItemWpa2Psk;
}

SheetPreset PresetFor(int32_t wpaKind, const std::string& cipher) {
  // A network that offers both ciphers is joined with AES.
  const int32_t encryption = cipher == "TKIP" ? kEncryTkip : kEncryAes;
  if (wpaKind == kItemWpaPsk || wpaKind == kItemWpaNone) return {kAuthWpaPsk, encryption};
  if (wpaKind == kItemWpa2Psk) return {kAuthWpa2Psk, encryption};
  return {kAuthOpenSystem, kEncryWep};
}

NDIS_802_11_SSID ConnectSsid(const NDIS_WLAN_BSSID_EX& fields, const ConnectChoices& choices) {
  if (choices.hiddenSsid) return *choices.hiddenSsid;
  NDIS_802_11_SSID ssid = fields.Ssid;
  ssid.SsidLength = static_cast<uint32_t>(SsidBytes(ssid).size());
  return ssid;
}

system::SecretArray<kPskLength> DerivePsk(const SecuritySettings& settings,
                                          std::span<const uint8_t> salt) {
  system::SecretArray<kPasswordHashOutput> output;
  const auto length = std::clamp<std::size_t>(
      static_cast<std::size_t>(std::max(settings.WPAPSKlen, 0)), 0, kWpaKeyTextLength);
  const auto* text = reinterpret_cast<const char*>(settings.WPAPSK.data());  // NOLINT bytes as text
  if (length == kWpaKeyTextLength) {
    crypto::AtoH(text, output.data(), static_cast<int32_t>(kPskLength));
  } else {
    std::string phrase(text, length);  // terminated for the derivation
    crypto::PasswordHash(phrase.c_str(), salt.data(), static_cast<int32_t>(salt.size()),
                         output.data());
    system::WipeString(phrase);
  }
  system::SecretArray<kPskLength> psk;
  std::copy_n(output.begin(), kPskLength, psk.begin());
  return psk;
}

std::unique_ptr<PROFILE_DATA> BuildConnectRecord(const ScanEntry& entry,
                                                 const ConnectChoices& choices) {
  const NDIS_WLAN_BSSID_EX& f = entry.fields;
  auto record = std::make_unique<PROFILE_DATA>();
  record->enumPSMode = Ndis802_11PowerModeCAM;
  record->lRtsThre = kConnectRtsThreshold;
  record->enumPreamType = Cv802_11PreambleAuto;
  record->enumNetworkType = static_cast<NDIS_802_11_NETWORK_INFRASTRUCTURE>(f.InfrastructureMode);
  record->enumAuthenMode = Ndis802_11AuthModeOpen;
  record->enumEncryStatus = Ndis802_11WEPDisabled;

  const NDIS_802_11_SSID ssid = ConnectSsid(f, choices);
  if (choices.security) {
    const SecuritySettings& s = *choices.security;
    if (s.AuthenType >= kAuthWpaPsk) {
      AddWpaKey(*record, entry, s, ssid);
    } else if (s.AuthenType == kAuthSharedKey ||
               (s.AuthenType == kAuthOpenSystem && s.EncryType == kEncryWep)) {
      AddWepKeys(*record, s);
    }
  }
  record->bDisassociate = 1;

  if (f.InfrastructureMode == Ndis802_11IBSS) {
    // The network's own channel; one an ad hoc network may not use (5 GHz, or outside the
    // plan) stays 0, and the executor then leaves the driver's configuration alone.
    const auto channel = ChannelForFrequency(f.Configuration.DSConfig);
    record->lFreq = FrequencyForChannel(channel.value_or(0)).value_or(0);
  }

  if (f.InfrastructureMode != Ndis802_11IBSS && !choices.hiddenSsid) {
    record->bBssid = 1;
    std::copy(std::begin(f.MacAddress), std::end(f.MacAddress), std::begin(record->BSSID));
  } else {
    record->SSID = ssid;
  }
  return record;
}

ScannedNetwork ScannedNetworkFor(const ScanEntry& entry) {
  const NDIS_WLAN_BSSID_EX& f = entry.fields;
  ScannedNetwork network;
  network.ssid = SsidText(f.Ssid);
  std::copy(std::begin(f.MacAddress), std::end(f.MacAddress), network.bssid.begin());
  network.networkType = static_cast<int32_t>(f.InfrastructureMode);
  // A frequency outside the plan gives channel 0: stored as such, it never picks a channel.
  network.channel = static_cast<int32_t>(ChannelForFrequency(f.Configuration.DSConfig).value_or(0));

  network.encryption = f.Privacy != 0 ? Ndis802_11WEPEnabled : Ndis802_11WEPDisabled;
  network.authentication = Ndis802_11AuthModeOpen;
  const int32_t kind = IsItemWPA(entry);
  if (kind == kItemWpaPsk || kind == kItemWpaNone || kind == kItemWpa2Psk) {
    network.authentication = kind == kItemWpa2Psk  ? Ndis802_11AuthModeWPA2PSK
                             : kind == kItemWpaPsk ? Ndis802_11AuthModeWPAPSK
                                                   : Ndis802_11AuthModeWPANone;
    const std::string cipher = ParseWPAElement(entry, {PrivacyCipherText(f), ""}).cipher;
    network.encryption =
        cipher == "TKIP" ? Ndis802_11Encryption2Enabled : Ndis802_11Encryption3Enabled;
  }
  return network;
}

}  // namespace netvane
