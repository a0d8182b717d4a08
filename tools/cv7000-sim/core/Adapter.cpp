#include "core/Adapter.h"

#include <algorithm>

#include "core/ScanFault.h"
#include "driver/Oids.h"
#include "driverkit/Channels.h"
#include "driverkit/ScanEntry.h"
#include "platform/userclient/Protocol.h"

namespace netvane::sim {
namespace {

using userclient::kStatusBadArgs;
using userclient::kStatusSuccess;

constexpr uint64_t kTimestampStep = 102400;  // one beacon interval in microseconds

driverkit::Bytes U32Bytes(uint32_t v) {
  return driverkit::ToBytes(v);
}

}  // namespace

Adapter::Adapter(Scenario scenario, Clock clock)
    : scenario_(std::move(scenario)),
      clock_(std::move(clock)),
      association_(scenario_.networks, scenario_.card.supports5GHz),
      traffic_(scenario_.seed, scenario_.counters) {
  hwRadioWasOn_ = HwRadioOn();
  radioWord_[0] = scenario_.radio ? 1 : 0;
  configuration_.Length = sizeof(NDIS_802_11_CONFIGURATION);
  configuration_.BeaconPeriod = 100;
  configuration_.DSConfig = driverkit::ChannelFrequencyKHz(1);
  Scan();  // the card scans once when it comes up
}

bool Adapter::RadioOn() const {
  const bool softwareOn =
      std::any_of(radioWord_.begin(), radioWord_.end(), [](uint8_t b) { return b != 0; });
  return softwareOn && HwRadioOn();
}

bool Adapter::HwRadioOn() const {
  const Card& card = scenario_.card;
  if (!card.hwRadioOffAt && !card.hwRadioOnAt) return card.hwRadio;
  const double now = clock_ ? clock_() : 0.0;
  const auto passed = [now](const std::optional<uint32_t>& at) { return at && now >= *at; };
  const bool off = passed(card.hwRadioOffAt);
  const bool on = passed(card.hwRadioOnAt);
  if (off && on) return *card.hwRadioOnAt > *card.hwRadioOffAt;
  if (off || on) return on;
  return card.hwRadio;
}

// The switch can move between any two requests: turned off, the card loses its network and
// hears nothing any more.
void Adapter::FollowHwSwitch() {
  const bool on = HwRadioOn();
  if (hwRadioWasOn_ && !on) {
    association_.Disconnect();
    Scan();
  }
  hwRadioWasOn_ = on;
}

void Adapter::JoinBySsid(std::span<const uint8_t> ssid) {
  if (association_.AssociateBySsid(ssid, RadioOn()) || !RadioOn()) return;
  if (association_.Pending().infrastructureMode == Ndis802_11IBSS && !ssid.empty() &&
      !association_.HearsAdhoc(ssid)) {
    const uint32_t channel = driverkit::ChannelOfFrequencyKHz(configuration_.DSConfig);
    association_.StartAdhoc(ssid, channel != 0 ? channel : 1);
  }
}

void Adapter::Scan() {
  std::vector<driverkit::Bytes> entries;
  ++scanCount_;
  if (RadioOn()) {
    for (const Network& n : scenario_.networks) {
      if (association_.InRange(n)) {
        entries.push_back(
            driverkit::BuildScanEntry(n, scanCount_ * kTimestampStep * 1000 + entries.size()));
      }
    }
  }
  scan_.Replace(std::move(entries));
}

driverkit::Reply Adapter::Handle(uint32_t selector, std::span<const uint8_t> in,
                                 uint32_t capacity) {
  const uint32_t oid = selector & ~kOidSetFlag;
  const bool set = IsSetCode(selector);
  FollowHwSwitch();
  driverkit::Reply reply =
      set ? driverkit::Reply{Set(oid, in) ? kStatusSuccess : kStatusBadArgs, {}}
          : Query(oid, capacity);
  // Traffic flows between requests. After a counter reset it holds still while only the
  // counters are read, so the statistics page shows a clean zero right after its reset.
  const bool counterRead = !set && (oid == OID_802_11_STATISTICS || oid == OID_GEN_RCV_OK ||
                                    oid == OID_GEN_RCV_NO_BUFFER);
  const bool reset = set && oid == OID_CV_802_11_RESET_COUNTERS;
  if (reset) {
    countersHeld_ = true;
  } else if (!(counterRead && countersHeld_)) {
    countersHeld_ = false;
    traffic_.Step(association_.Current() != nullptr);
  }
  return reply;
}

driverkit::Reply Adapter::Query(uint32_t oid, uint32_t capacity) {
  if (oid == OID_802_11_BSSID_LIST || oid == OID_CV_802_11_BSSID_LIST_NEXT) {
    return QueryScan(oid, capacity);
  }
  bool known = true;
  driverkit::Bytes record = QueryRecord(oid, known);
  if (!known || record.size() > capacity) return driverkit::Reply{kStatusBadArgs, {}};
  return driverkit::Reply{kStatusSuccess, std::move(record)};
}

driverkit::Reply Adapter::QueryScan(uint32_t oid, uint32_t capacity) {
  const uint32_t limit = std::min(capacity, scenario_.maxPartBytes);
  auto part = oid == OID_802_11_BSSID_LIST ? scan_.FirstPart(limit) : scan_.NextPart(limit);
  if (!part) return driverkit::Reply{kStatusBadArgs, {}};
  ApplyScanFault(*part, scenario_.faults.malformedScan);
  return driverkit::Reply{kStatusSuccess, std::move(*part)};
}

NDIS_802_11_CONFIGURATION Adapter::CurrentConfiguration() const {
  NDIS_802_11_CONFIGURATION c = configuration_;
  // A network this card started keeps the frequency it was configured with.
  const Network* n = association_.Current();
  if (n != nullptr && !association_.Started()) {
    c.DSConfig = driverkit::ChannelFrequencyKHz(n->channel);
  }
  return c;
}

CV_802_11_LINK_STATUS Adapter::LinkStatus() const {
  const Network* current = association_.Current();
  if (current == nullptr) {
    return CV_802_11_LINK_STATUS{0, 0, traffic_.TxBytes(), traffic_.RxBytes()};
  }
  RateLimit limit = RateLimit::kNone;
  if (phyMode_ == PHY_11B) {
    limit = RateLimit::k11bOnly;
  } else if (phyModeSet_ && phyMode_ == PHY_11A) {
    limit = RateLimit::k11aOnly;
  }
  CV_802_11_LINK_STATUS s =
      LinkStatusFor(traffic_.Rssi(current->rssi), limit, traffic_.TxBytes(), traffic_.RxBytes());
  uint32_t rate = s.CurrTxRate;
  if (ratesSet_) rate = ApplyDesiredRates(rate, rates_);
  constexpr uint32_t kRate11M = 22;  // the fastest 802.11b rate
  if (limit == RateLimit::k11bOnly) rate = std::min(rate, kRate11M);
  if (scenario_.card.fixedTxRate) rate = *scenario_.card.fixedTxRate;
  s.CurrTxRate = rate;
  return s;
}

CV_802_11_STA_CONFIG Adapter::StaConfig() const {
  CV_802_11_STA_CONFIG c = staConfig_;
  c.HwRadioStatus = HwRadioOn() ? 1 : 0;
  c.SystemErrorBitmap = scenario_.card.eepromError ? kSystemErrorEeprom : 0;
  return c;
}

driverkit::Bytes Adapter::QueryRecord(uint32_t oid, bool& known) {
  const Network* current = association_.Current();
  switch (oid) {
    case OID_GEN_MEDIA_CONNECT_STATUS:
      return U32Bytes(current != nullptr ? NdisMediaStateConnected : NdisMediaStateDisconnected);
    case OID_GEN_RCV_OK:
      return U32Bytes(traffic_.ReceivedOk());
    case OID_GEN_RCV_NO_BUFFER:
      return U32Bytes(traffic_.ReceivedNoBuffer());
    case OID_802_3_CURRENT_ADDRESS:
      return driverkit::Bytes(scenario_.card.mac.begin(), scenario_.card.mac.end());
    case OID_802_11_BSSID:
      return current != nullptr ? driverkit::Bytes(current->bssid.begin(), current->bssid.end())
                                : driverkit::Bytes(kMacLength, 0);
    case OID_802_11_SSID: {
      NDIS_802_11_SSID s{};
      if (current != nullptr) {
        s.SsidLength = static_cast<uint32_t>(current->ssid.size());
        std::copy(current->ssid.begin(), current->ssid.end(), s.Ssid);
      }
      return driverkit::ToBytes(s);
    }
    case OID_802_11_NETWORK_TYPES_SUPPORTED: {
      driverkit::Bytes list = U32Bytes(scenario_.card.supports5GHz ? 3 : 2);
      for (const uint32_t t : {Ndis802_11DS, Ndis802_11OFDM24, Ndis802_11OFDM5}) {
        if (t != Ndis802_11OFDM5 || scenario_.card.supports5GHz) {
          const driverkit::Bytes b = U32Bytes(t);
          list.insert(list.end(), b.begin(), b.end());
        }
      }
      return list;
    }
    case OID_802_11_RSSI:
      return driverkit::ToBytes(current != nullptr ? traffic_.Rssi(current->rssi) : int32_t{-100});
    case OID_802_11_CONFIGURATION:
      return driverkit::ToBytes(CurrentConfiguration());
    case OID_802_11_STATISTICS:
      return driverkit::ToBytes(traffic_.Statistics());
    case OID_CV_802_11_QUERY_LINK_STATUS:
      return driverkit::ToBytes(LinkStatus());
    case OID_CV_802_11_STA_CONFIG:
      return driverkit::ToBytes(StaConfig());
    case OID_CV_802_11_EEPROM_VERSION:
      return driverkit::Bytes{0, 0, scenario_.card.eepromMajor, scenario_.card.eepromMinor};
    case OID_CV_802_11_RADIO:
      return driverkit::Bytes(radioWord_.begin(), radioWord_.end());
    case OID_CV_802_11_PHY_MODE:
      return U32Bytes(phyMode_);
    case OID_CV_802_11_PREAMBLE:
      return U32Bytes(preamble_);
    case OID_802_11_POWER_MODE:
      return U32Bytes(powerMode_);
    case OID_CV_802_11_TX_POWER_LEVEL:
      return U32Bytes(txPowerPercent_);
    case OID_802_11_RTS_THRESHOLD:
      return U32Bytes(rtsThreshold_);
    case OID_802_11_FRAGMENTATION_THRESHOLD:
      return U32Bytes(fragThreshold_);
    case OID_802_11_DESIRED_RATES:
      return driverkit::Bytes(rates_.begin(), rates_.end());
    case OID_802_11_INFRASTRUCTURE_MODE:
      return U32Bytes(association_.Pending().infrastructureMode);
    case OID_802_11_AUTHENTICATION_MODE:
      return U32Bytes(association_.Pending().authMode);
    case OID_802_11_WEP_STATUS:
      return U32Bytes(association_.Pending().wepStatus);
    default:
      known = false;
      return {};
  }
}

}  // namespace netvane::sim
