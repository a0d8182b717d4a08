#include "core/DeviceQueries.h"

#include <algorithm>
#include <vector>

#include "core/ApEntry.h"
#include "core/Counters.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/userclient/Protocol.h"

namespace netvane::nmbridge {
namespace {

using userclient::kStatusBadArgs;
using userclient::kStatusError;
using userclient::kStatusSuccess;

constexpr uint32_t kBeaconPeriod = 100;  // not published: the usual beacon interval
constexpr uint32_t kKbpsPerRateUnit = 500;
constexpr int32_t kNoSignalDbm = -100;

// Every counter a reset takes a baseline of.
const std::vector<std::string>& CounterNames() {
  static const std::vector<std::string> kNames = {"rx_packets", "rx_dropped", "tx_packets",
                                                  "tx_errors",  "multicast",  "rx_crc_errors",
                                                  "tx_bytes",   "rx_bytes"};
  return kNames;
}

driverkit::Bytes U32Bytes(uint32_t v) {
  return driverkit::ToBytes(v);
}

NDIS_802_11_CONFIGURATION ConfigurationOf(const AccessPointState* ap) {
  NDIS_802_11_CONFIGURATION c{};
  c.Length = sizeof(NDIS_802_11_CONFIGURATION);
  c.BeaconPeriod = kBeaconPeriod;
  c.DSConfig = ap != nullptr ? ap->frequencyMHz * 1000 : 0;
  return c;
}

driverkit::Bytes NetworkTypes(uint32_t capabilities) {
  const bool has5 = (capabilities & kCapFreq5GHz) != 0;
  driverkit::Bytes list = U32Bytes(has5 ? 3 : 2);
  for (const uint32_t t : {Ndis802_11DS, Ndis802_11OFDM24, Ndis802_11OFDM5}) {
    if (t == Ndis802_11OFDM5 && !has5) continue;
    const driverkit::Bytes b = U32Bytes(t);
    list.insert(list.end(), b.begin(), b.end());
  }
  return list;
}

uint32_t PhyModeOf(uint32_t capabilities) {
  const bool has24 = (capabilities & kCapFreq2GHz) != 0;
  const bool has5 = (capabilities & kCapFreq5GHz) != 0;
  if (has24 && has5) return PHY_11ABG_MIXED;
  if (has5) return PHY_11A;
  return PHY_11BG_MIXED;
}

}  // namespace

CV_802_11_STA_CONFIG StaConfigOf(const ManagerState& manager) {
  CV_802_11_STA_CONFIG c{};
  c.HwRadioStatus = manager.wirelessHardwareEnabled ? 1 : 0;
  return c;
}

DeviceQueries::DeviceQueries(std::string sysfsRoot) : sysfsRoot_(std::move(sysfsRoot)) {}

std::optional<uint64_t> DeviceQueries::Counter(const DeviceState& device,
                                               const std::string& name) const {
  // NetworkManager's own byte counts when it publishes them; else the kernel's.
  if (name == "tx_bytes" && device.txBytes) return device.txBytes;
  if (name == "rx_bytes" && device.rxBytes) return device.rxBytes;
  return SysfsCounters(sysfsRoot_, device.interface).Read(name);
}

uint64_t DeviceQueries::SinceReset(const DeviceState& device, const std::string& name) const {
  const auto now = Counter(device, name);
  if (!now) return 0;
  const auto base = baseline_.find(name);
  const uint64_t from = base != baseline_.end() ? base->second : 0;
  return *now - from;
}

void DeviceQueries::ResetCounters(const DeviceView& view) {
  if (!view.device) return;
  for (const std::string& name : CounterNames()) {
    baseline_[name] = Counter(*view.device, name).value_or(0);
  }
}

driverkit::Reply DeviceQueries::Answer(const DeviceView& view, uint32_t oid, uint32_t capacity) {
  if (oid == OID_802_11_BSSID_LIST || oid == OID_CV_802_11_BSSID_LIST_NEXT) {
    if (!view.device) return driverkit::Reply{kStatusError, {}};
    return ScanPart(*view.device, oid, capacity);
  }
  bool known = true;
  auto record = Record(view, oid, known);
  if (!known) return driverkit::Reply{kStatusBadArgs, {}};
  if (!record) return driverkit::Reply{kStatusError, {}};
  if (record->size() > capacity) return driverkit::Reply{kStatusBadArgs, {}};
  return driverkit::Reply{kStatusSuccess, std::move(*record)};
}

driverkit::Reply DeviceQueries::ScanPart(const DeviceState& device, uint32_t oid,
                                         uint32_t capacity) {
  if (oid == OID_802_11_BSSID_LIST) {
    // The list query freezes what NetworkManager has heard now; the parts continue from it.
    std::vector<driverkit::Bytes> entries;
    for (const AccessPointState& ap : device.accessPoints) {
      if (auto entry = EntryOf(ap)) entries.push_back(std::move(*entry));
    }
    scan_.Replace(std::move(entries));
  }
  const auto limit = static_cast<uint32_t>(
      std::min<std::size_t>(capacity, static_cast<std::size_t>(kBssidListPartLength)));
  auto part = oid == OID_802_11_BSSID_LIST ? scan_.FirstPart(limit) : scan_.NextPart(limit);
  if (!part) return driverkit::Reply{kStatusBadArgs, {}};
  return driverkit::Reply{kStatusSuccess, std::move(*part)};
}

std::optional<driverkit::Bytes> DeviceQueries::Record(const DeviceView& view, uint32_t oid,
                                                      bool& known) {
  const DeviceState* device = view.device.get();
  const ManagerState empty;
  const ManagerState& manager = view.manager ? *view.manager : empty;
  const AccessPointState* ap = device != nullptr ? device->ActiveAccessPoint() : nullptr;
  switch (oid) {
    case OID_GEN_MEDIA_CONNECT_STATUS:
    case OID_GEN_RCV_OK:
    case OID_GEN_RCV_NO_BUFFER:
    case OID_802_3_CURRENT_ADDRESS:
    case OID_802_11_BSSID:
    case OID_802_11_SSID:
    case OID_802_11_NETWORK_TYPES_SUPPORTED:
    case OID_802_11_RSSI:
    case OID_802_11_CONFIGURATION:
    case OID_802_11_STATISTICS:
    case OID_CV_802_11_QUERY_LINK_STATUS:
    case OID_CV_802_11_RADIO:
    case OID_CV_802_11_PHY_MODE:
    case OID_CV_802_11_STA_CONFIG:
      if (device == nullptr) return std::nullopt;
      break;
    case OID_CV_802_11_EEPROM_VERSION:  // there is no EEPROM to read
      return std::nullopt;
    default:
      known = false;
      return std::nullopt;
  }
  switch (oid) {
    case OID_GEN_MEDIA_CONNECT_STATUS: {
      // The link is up from IP configuration on; the address is NetworkManager's business.
      const bool up = device->state >= kDeviceIpConfig && device->state <= kDeviceActivated;
      return U32Bytes(up ? NdisMediaStateConnected : NdisMediaStateDisconnected);
    }
    case OID_GEN_RCV_OK:
      return U32Bytes(static_cast<uint32_t>(SinceReset(*device, "rx_packets")));
    case OID_GEN_RCV_NO_BUFFER:
      return U32Bytes(static_cast<uint32_t>(SinceReset(*device, "rx_dropped")));
    case OID_802_3_CURRENT_ADDRESS:
      return driverkit::Bytes(device->hwAddress.begin(), device->hwAddress.end());
    case OID_802_11_BSSID:
      return ap != nullptr ? driverkit::Bytes(ap->bssid.begin(), ap->bssid.end())
                           : driverkit::Bytes(kMacLength, 0);
    case OID_802_11_SSID: {
      NDIS_802_11_SSID s{};
      if (ap != nullptr) {
        const std::size_t length = std::min(ap->ssid.size(), kMaxSsidLength);
        s.SsidLength = static_cast<uint32_t>(length);
        std::copy_n(ap->ssid.begin(), length, s.Ssid);
      }
      return driverkit::ToBytes(s);
    }
    case OID_802_11_NETWORK_TYPES_SUPPORTED:
      return NetworkTypes(device->capabilities);
    case OID_802_11_RSSI:
      return driverkit::ToBytes(ap != nullptr ? RssiOfStrength(ap->strength) : kNoSignalDbm);
    case OID_802_11_CONFIGURATION:
      return driverkit::ToBytes(ConfigurationOf(ap));
    case OID_802_11_STATISTICS: {
      NDIS_802_11_STATISTICS s{};
      s.Length = sizeof(NDIS_802_11_STATISTICS);
      s.TransmittedFragmentCount = SinceReset(*device, "tx_packets");
      s.FailedCount = SinceReset(*device, "tx_errors");
      s.ReceivedFragmentCount = SinceReset(*device, "rx_packets");
      s.MulticastReceivedFrameCount = SinceReset(*device, "multicast");
      s.FCSErrorCount = SinceReset(*device, "rx_crc_errors");
      return driverkit::ToBytes(s);
    }
    case OID_CV_802_11_QUERY_LINK_STATUS: {
      CV_802_11_LINK_STATUS s{};
      s.CurrTxRate = (device->bitrateKbps + kKbpsPerRateUnit / 2) / kKbpsPerRateUnit;
      s.ChannelQuality = ap != nullptr ? ap->strength : 0;
      s.TxByteCount = static_cast<uint32_t>(SinceReset(*device, "tx_bytes"));
      s.RxByteCount = static_cast<uint32_t>(SinceReset(*device, "rx_bytes"));
      return driverkit::ToBytes(s);
    }
    case OID_CV_802_11_RADIO:
      return driverkit::Bytes{static_cast<uint8_t>(manager.wirelessEnabled ? 1 : 0), 0, 0, 0};
    case OID_CV_802_11_PHY_MODE:
      return U32Bytes(PhyModeOf(device->capabilities));
    case OID_CV_802_11_STA_CONFIG:
      return driverkit::ToBytes(StaConfigOf(manager));
    default:
      return std::nullopt;
  }
}

}  // namespace netvane::nmbridge
