#include "driverkit/ScanEntry.h"

#include <array>
#include <optional>
#include <vector>

#include "driver/Records.h"
#include "driverkit/Channels.h"

namespace netvane::driverkit {
namespace {

constexpr uint16_t kBeaconInterval = 100;
constexpr uint16_t kCapabilityEss = 0x0001;
constexpr uint16_t kCapabilityIbss = 0x0002;
constexpr uint16_t kCapabilityPrivacy = 0x0010;

constexpr uint8_t kElementSsid = 0;
constexpr uint8_t kElementRates = 1;
constexpr uint8_t kElementDsParameters = 3;
constexpr uint8_t kElementExtendedRates = 50;
constexpr uint8_t kElementRsn = 48;
constexpr uint8_t kElementVendor = 0xDD;
constexpr std::array<uint8_t, 3> kWpaOui = {0x00, 0x50, 0xF2};
constexpr std::array<uint8_t, 3> kRsnOui = {0x00, 0x0F, 0xAC};
// RSN capabilities: management frame protection capable, and required.
constexpr uint16_t kRsnMfpCapable = 0x0080;
constexpr uint16_t kRsnMfpRequired = 0x0040;

// 500 kbit/s units; the high bit marks a basic rate.
constexpr std::array<uint8_t, 12> kRates24 = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12,
                                              0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};
constexpr std::array<uint8_t, 8> kRates5 = {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C};
constexpr std::size_t kMaxRatesInElement = 8;

bool UsesWpa(Security s) {
  return s == Security::kWpaPsk || s == Security::kWpaEap || s == Security::kWpaNone;
}

uint8_t SuiteOf(Cipher c) {
  return c == Cipher::kAes ? kSuiteAes : kSuiteTkip;
}

void AppendElement(Bytes& out, uint8_t id, const Bytes& body) {
  out.push_back(id);
  out.push_back(static_cast<uint8_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

void AppendSuite(Bytes& out, uint8_t type, const std::array<uint8_t, 3>& oui = kWpaOui) {
  out.insert(out.end(), oui.begin(), oui.end());
  out.push_back(type);
}

Bytes WpaElementBody(const ScanNetwork& n) {
  Bytes body(kWpaOui.begin(), kWpaOui.end());
  body.push_back(1);  // WPA element type
  AppendU16Le(body, 1);
  AppendSuite(body, SuiteOf(n.groupCipher));
  AppendU16Le(body, static_cast<uint16_t>(n.pairwise.size()));
  for (const Cipher c : n.pairwise) AppendSuite(body, SuiteOf(c));
  AppendU16Le(body, 1);
  AppendSuite(body, n.security == Security::kWpaEap ? kAkm8021X : kAkmPsk);
  return body;
}

// The key management suites and capabilities each RSN kind announces.
struct RsnOffer {
  std::vector<uint8_t> akms;
  uint16_t capabilities = 0;
};

std::optional<RsnOffer> RsnOfferOf(Security s) {
  switch (s) {
    case Security::kWpa2Psk:
      return RsnOffer{{kAkmPsk}, 0};
    case Security::kWpa2Eap:
      return RsnOffer{{kAkm8021X}, 0};
    case Security::kWpa2Wpa3:
      return RsnOffer{{kAkmPsk, kAkmSae}, kRsnMfpCapable};
    case Security::kWpa3Sae:
      return RsnOffer{{kAkmSae}, kRsnMfpCapable | kRsnMfpRequired};
    case Security::kOwe:
      return RsnOffer{{kAkmOwe}, kRsnMfpCapable | kRsnMfpRequired};
    default:
      return std::nullopt;
  }
}

Bytes RsnElementBody(const ScanNetwork& n, const RsnOffer& offer) {
  Bytes body;
  AppendU16Le(body, 1);  // version
  AppendSuite(body, SuiteOf(n.groupCipher), kRsnOui);
  AppendU16Le(body, static_cast<uint16_t>(n.pairwise.size()));
  for (const Cipher c : n.pairwise) AppendSuite(body, SuiteOf(c), kRsnOui);
  AppendU16Le(body, static_cast<uint16_t>(offer.akms.size()));
  for (const uint8_t akm : offer.akms) AppendSuite(body, akm, kRsnOui);
  AppendU16Le(body, offer.capabilities);
  return body;
}

Bytes RatesOf(const ScanNetwork& n) {
  if (Is5GHzChannel(n.channel)) return {kRates5.begin(), kRates5.end()};
  return {kRates24.begin(), kRates24.end()};
}

}  // namespace

Bytes BuildInformationElements(const ScanNetwork& n, uint64_t timestamp) {
  Bytes ies;
  for (unsigned i = 0; i < 8; ++i) {
    ies.push_back(static_cast<uint8_t>(timestamp >> (8U * i)));
  }
  AppendU16Le(ies, kBeaconInterval);
  uint16_t caps = n.adhoc ? kCapabilityIbss : kCapabilityEss;
  if (n.security != Security::kOpen) caps |= kCapabilityPrivacy;
  AppendU16Le(ies, caps);

  AppendElement(ies, kElementSsid, n.hidden ? Bytes{} : Bytes(n.ssid.begin(), n.ssid.end()));
  const Bytes rates = RatesOf(n);
  const std::size_t inFirst = rates.size() < kMaxRatesInElement ? rates.size() : kMaxRatesInElement;
  AppendElement(ies, kElementRates,
                Bytes(rates.begin(), rates.begin() + static_cast<long>(inFirst)));
  AppendElement(ies, kElementDsParameters, Bytes{static_cast<uint8_t>(n.channel)});
  if (rates.size() > inFirst) {
    AppendElement(ies, kElementExtendedRates,
                  Bytes(rates.begin() + static_cast<long>(inFirst), rates.end()));
  }
  if (const auto rsn = RsnOfferOf(n.security)) {
    AppendElement(ies, kElementRsn, RsnElementBody(n, *rsn));
  }
  if (UsesWpa(n.security)) AppendElement(ies, kElementVendor, WpaElementBody(n));
  return ies;
}

Bytes BuildScanEntry(const ScanNetwork& n, uint64_t timestamp) {
  const Bytes ies = BuildInformationElements(n, timestamp);
  NDIS_WLAN_BSSID_EX e{};
  const std::size_t length = (kBssidEntryFixedLength + ies.size() + 3) / 4 * 4;
  e.Length = static_cast<uint32_t>(length);
  std::copy(n.bssid.begin(), n.bssid.end(), e.MacAddress);
  if (!n.hidden) {
    e.Ssid.SsidLength = static_cast<uint32_t>(n.ssid.size());
    std::copy(n.ssid.begin(), n.ssid.end(), e.Ssid.Ssid);
  }
  e.Privacy = n.security == Security::kOpen ? 0 : 1;
  e.Rssi = n.rssi;
  e.NetworkTypeInUse = Is5GHzChannel(n.channel) ? Ndis802_11OFDM5 : Ndis802_11DS;
  e.Configuration.Length = sizeof(NDIS_802_11_CONFIGURATION);
  e.Configuration.BeaconPeriod = kBeaconInterval;
  e.Configuration.DSConfig = ChannelFrequencyKHz(n.channel);
  e.InfrastructureMode = n.adhoc ? Ndis802_11IBSS : Ndis802_11Infrastructure;
  const Bytes rates = RatesOf(n);
  std::copy(rates.begin(), rates.end(), e.SupportedRates);
  e.IELength = static_cast<uint32_t>(ies.size());

  Bytes out(length, 0);
  std::memcpy(out.data(), &e, kBssidEntryFixedLength);
  std::copy(ies.begin(), ies.end(), out.begin() + static_cast<long>(kBssidEntryFixedLength));
  return out;
}

}  // namespace netvane::driverkit
