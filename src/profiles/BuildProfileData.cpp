#include "profiles/BuildProfileData.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "crypto/MathFunc.h"
#include "driver/ChannelFreqTable.h"
#include "keyentry/KeyValidation.h"
#include "platform/system/Log.h"
#include "survey/KeyBlock.h"

namespace netvane {
namespace {

namespace key = profile_key;

constexpr std::size_t kKeyArea = 40;       // what the derivation writes
constexpr std::size_t kHexPskLength = 64;  // 32 key bytes as hexadecimal digits
constexpr std::size_t kBssidDigits = 2 * kMacLength;

template <typename T>
T EnumOf(const ProfileRecord& record, std::string_view name) {
  return static_cast<T>(IntOf(record, name));
}

std::span<const uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};  // NOLINT bytes as bytes
}

bool IsHexDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

void SetPreSharedKey(PROFILE_DATA& data, const ProfileRecord& record,
                     std::span<const uint8_t> ssid) {
  std::string phrase = record.Text(key::kWpaPsk);
  system::SecretArray<kKeyArea> area;
  std::copy_n(phrase.begin(), std::min(phrase.size(), kKeyArea), area.begin());
  if (phrase.size() == kHexPskLength) {
    crypto::AtoH(phrase.data(), area.data(), static_cast<int32_t>(kPskLength));
  } else if (phrase.find('\0') == std::string::npos) {
    // A refused derivation (a long pass phrase, a byte outside printable ASCII) leaves the
    // copied text in place. A zero byte would cut the pass phrase short, so it is not tried.
    crypto::PasswordHash(phrase.c_str(), ssid.data(), static_cast<int32_t>(ssid.size()),
                         area.data());
  }
  system::WipeString(phrase);
  SetWpaKey(data, std::span<const uint8_t, kPskLength>(area.data(), kPskLength));
  if (IntOf(record, key::kAuthentication) == kAuthWpa2Psk) {
    data.enumAuthenMode = Ndis802_11AuthModeWPA2PSK;
  } else {
    data.enumAuthenMode = IntOf(record, key::kNetworkType) == 1 ? Ndis802_11AuthModeWPAPSK
                                                                : Ndis802_11AuthModeWPANone;
  }
  data.enumEncryStatus = IntOf(record, key::kEncryption) != 0 ? Ndis802_11Encryption3Enabled
                                                              : Ndis802_11Encryption2Enabled;
}

void SetWepKeys(PROFILE_DATA& data, const ProfileRecord& record) {
  const int32_t transmit = IntOf(record, key::kWepKeyUse);
  for (std::size_t slot = 0; slot < kWepKeySlots; ++slot) {
    std::string material = record.Text(key::kWepKeys.at(slot));
    if (!material.empty()) {
      SetWepKey(data, slot, transmit == static_cast<int32_t>(slot), BytesOf(material));
    }
    system::WipeString(material);
  }
}

}  // namespace

std::unique_ptr<PROFILE_DATA> BuildProfileData(const ProfileRecord& record) {
  const int32_t encryption = IntOf(record, key::kEncryption);
  const int32_t authentication = IntOf(record, key::kAuthentication);
  auto data = std::make_unique<PROFILE_DATA>();

  data->bACCam = static_cast<uint8_t>(IntOf(record, key::kAcPowerCam) & 0xFF);
  data->enumPSMode = EnumOf<NDIS_802_11_POWER_MODE>(record, key::kPowerSave);
  data->lRtsThre = static_cast<uint32_t>(IntOf(record, key::kRtsThreshold));
  data->lFragThre = static_cast<uint32_t>(IntOf(record, key::kFragThreshold));
  data->enumPreamType = EnumOf<CV_802_11_PREAMBLE>(record, key::kPreamble);
  data->enumNetworkType = EnumOf<NDIS_802_11_NETWORK_INFRASTRUCTURE>(record, key::kNetworkType);
  data->lTxPower = static_cast<uint32_t>(IntOf(record, key::kTxPower));

  if (data->enumNetworkType == Ndis802_11IBSS) {
    const int32_t channel = IntOf(record, key::kChannel);
    if (auto frequency = FrequencyForChannel(static_cast<uint32_t>(std::max(channel, 0)))) {
      data->lFreq = *frequency;
    } else {
      system::LogF(system::LogCategory::kProfiles, system::LogLevel::kDebug,
                   "ad hoc channel %d has no frequency; the card keeps its own", channel);
    }
  }

  const std::string ssidText = record.Text(key::kSsid);
  const std::span<const uint8_t> ssid =
      BytesOf(ssidText).first(std::min(ssidText.size(), std::size_t{kMaxSsidLength}));

  if (authentication >= 2) {
    SetPreSharedKey(*data, record, ssid);
  } else if (authentication == 1 || encryption == 1) {
    data->enumAuthenMode = static_cast<NDIS_802_11_AUTHENTICATION_MODE>(authentication);
    data->enumEncryStatus = encryption != 0 ? Ndis802_11WEPEnabled : Ndis802_11WEPDisabled;
    SetWepKeys(*data, record);
  } else {
    data->enumAuthenMode = Ndis802_11AuthModeOpen;
    data->enumEncryStatus = Ndis802_11WEPDisabled;
  }

  data->bDisassociate = 1;
  data->SSID.SsidLength = static_cast<uint32_t>(ssid.size());
  std::copy(ssid.begin(), ssid.end(), std::begin(data->SSID.Ssid));

  const std::string bssid = record.Text(key::kBssid);
  if (data->enumNetworkType != Ndis802_11IBSS && bssid.size() == kBssidDigits &&
      IsHexDigits(bssid)) {
    data->bBssid = 1;
    crypto::AtoH(bssid.data(), data->BSSID, static_cast<int32_t>(kMacLength));
  }
  return data;
}

}  // namespace netvane
