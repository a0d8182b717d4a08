#include "driverkit/ScanEntry.h"

#include <algorithm>
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
// RSN capabilities: management frame protection capable, and required.
constexpr uint16_t kRsnMfpCapable = 0x0080;
constexpr uint16_t kRsnMfpRequired = 0x0040;

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

Bytes WpaElementBody(const ScanNetwork& n) {
  Bytes body(kWpaOui.begin(), kWpaOui.end());
  body.push_back(1);  // WPA element type
  AppendU16Le(body, 1);
  AppendSuite(body, SuiteOf(n.groupCipher), kWpaOui);
  AppendU16Le(body, static_cast<uint16_t>(n.pairwise.size()));
  for (const Cipher c : n.pairwise) AppendSuite(body, SuiteOf(c), kWpaOui);
  AppendU16Le(body, 1);
  AppendSuite(body, n.security == Security::kWpaEap ? kAkm8021X : kAkmPsk, kWpaOui);
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

std::vector<Element> SecurityElements(const ScanNetwork& n) {
  std::vector<Element> out;
  if (const auto rsn = RsnOfferOf(n.security)) {
    out.push_back(Element{kElementRsn, RsnElementBody(n, *rsn)});
  }
  if (UsesWpa(n.security)) out.push_back(Element{kElementVendor, WpaElementBody(n)});
  return out;
}

EntryFields FieldsOf(const ScanNetwork& n, uint64_t timestamp) {
  EntryFields f;
  f.bssid = n.bssid;
  if (!n.hidden) f.ssid = n.ssid;
  f.adhoc = n.adhoc;
  f.privacy = n.security != Security::kOpen;
  f.rssi = n.rssi;
  f.networkType = Is5GHzChannel(n.channel) ? Ndis802_11OFDM5 : Ndis802_11DS;
  f.frequencyKHz = ChannelFrequencyKHz(n.channel);
  f.channel = static_cast<uint8_t>(n.channel);
  f.rates = RatesOf(n);
  f.timestamp = timestamp;
  return f;
}

Bytes ElementsOf(const EntryFields& f, const std::vector<Element>& extra) {
  Bytes ies;
  for (unsigned i = 0; i < 8; ++i) {
    ies.push_back(static_cast<uint8_t>(f.timestamp >> (8U * i)));
  }
  AppendU16Le(ies, kBeaconInterval);
  uint16_t caps = f.adhoc ? kCapabilityIbss : kCapabilityEss;
  if (f.privacy) caps |= kCapabilityPrivacy;
  AppendU16Le(ies, caps);

  const std::size_t ssidLength = std::min(f.ssid.size(), kMaxSsidLength);
  AppendElement(ies, kElementSsid,
                Bytes(f.ssid.begin(), f.ssid.begin() + static_cast<long>(ssidLength)));
  const Bytes& rates = f.rates;
  const std::size_t inFirst = std::min(rates.size(), kMaxRatesInElement);
  AppendElement(ies, kElementRates,
                Bytes(rates.begin(), rates.begin() + static_cast<long>(inFirst)));
  AppendElement(ies, kElementDsParameters, Bytes{f.channel});
  if (rates.size() > inFirst) {
    AppendElement(ies, kElementExtendedRates,
                  Bytes(rates.begin() + static_cast<long>(inFirst), rates.end()));
  }
  for (const Element& e : extra) AppendElement(ies, e.id, e.body);
  return ies;
}

}  // namespace

void AppendSuite(Bytes& out, uint8_t type, const Oui& oui) {
  out.insert(out.end(), oui.begin(), oui.end());
  out.push_back(type);
}

Bytes BuildEntry(const EntryFields& f, const std::vector<Element>& extra) {
  const Bytes ies = ElementsOf(f, extra);
  NDIS_WLAN_BSSID_EX e{};
  const std::size_t length = (kBssidEntryFixedLength + ies.size() + 3) / 4 * 4;
  e.Length = static_cast<uint32_t>(length);
  std::copy(f.bssid.begin(), f.bssid.end(), e.MacAddress);
  const std::size_t ssidLength = std::min(f.ssid.size(), kMaxSsidLength);
  e.Ssid.SsidLength = static_cast<uint32_t>(ssidLength);
  std::copy_n(f.ssid.begin(), ssidLength, e.Ssid.Ssid);
  e.Privacy = f.privacy ? 1 : 0;
  e.Rssi = f.rssi;
  e.NetworkTypeInUse = f.networkType;
  e.Configuration.Length = sizeof(NDIS_802_11_CONFIGURATION);
  e.Configuration.BeaconPeriod = kBeaconInterval;
  e.Configuration.DSConfig = f.frequencyKHz;
  e.InfrastructureMode = f.adhoc ? Ndis802_11IBSS : Ndis802_11Infrastructure;
  std::copy_n(f.rates.begin(), std::min(f.rates.size(), kSupportedRatesLength), e.SupportedRates);
  e.IELength = static_cast<uint32_t>(ies.size());

  Bytes out(length, 0);
  std::memcpy(out.data(), &e, kBssidEntryFixedLength);
  std::copy(ies.begin(), ies.end(), out.begin() + static_cast<long>(kBssidEntryFixedLength));
  return out;
}

Bytes BuildInformationElements(const ScanNetwork& n, uint64_t timestamp) {
  return ElementsOf(FieldsOf(n, timestamp), SecurityElements(n));
}

Bytes BuildScanEntry(const ScanNetwork& n, uint64_t timestamp) {
  return BuildEntry(FieldsOf(n, timestamp), SecurityElements(n));
}

}  // namespace netvane::driverkit
