// The set half of the adapter: settings are checked, stored and answered back by the queries.
#include <algorithm>

#include "core/Adapter.h"
#include "driver/Oids.h"

namespace netvane::sim {
namespace {

constexpr std::size_t kWordLength = 4;

// A 4-byte enumeration or count no larger than `max`.
bool ReadWord(std::span<const uint8_t> in, uint32_t max, uint32_t& out) {
  if (in.size() < kWordLength) return false;
  const uint32_t v = driverkit::ReadU32(in, 0);
  if (v > max) return false;
  out = v;
  return true;
}

constexpr uint32_t kAnyValue = 0xFFFFFFFFU;

}  // namespace

bool Adapter::Set(uint32_t oid, std::span<const uint8_t> in) {
  bool known = true;
  const bool ok = SetAssociationParameter(oid, in, known);
  if (known) return ok;
  known = true;
  return SetCardParameter(oid, in, known) && known;
}

bool Adapter::SetAssociationParameter(uint32_t oid, std::span<const uint8_t> in, bool& known) {
  Credentials& pending = association_.Pending();
  switch (oid) {
    case OID_802_11_BSSID:
      if (in.size() < kMacLength) return false;
      association_.AssociateByBssid(in.first(kMacLength), RadioOn());
      return true;
    case OID_802_11_SSID: {
      if (in.size() < sizeof(NDIS_802_11_SSID)) return false;
      const uint32_t length = driverkit::ReadU32(in, 0);
      if (length > kMaxSsidLength) return false;
      JoinBySsid(in.subspan(offsetof(NDIS_802_11_SSID, Ssid), length));
      return true;
    }
    case OID_802_11_DISASSOCIATE:  // payload not meaningful
      association_.Disconnect();
      return true;
    case OID_802_11_INFRASTRUCTURE_MODE:
      return ReadWord(in, Ndis802_11AutoUnknown, pending.infrastructureMode);
    case OID_802_11_AUTHENTICATION_MODE:
      return ReadWord(in, Ndis802_11AuthModeWPA2PSK, pending.authMode);
    case OID_802_11_WEP_STATUS:
      return ReadWord(in, Ndis802_11Encryption3KeyAbsent, pending.wepStatus);
    case OID_802_11_ADD_KEY: {
      const auto key = ParseKeyRecord(in);
      if (!key || key->slot >= kWepSlots ||
          (key->material.size() != 5 && key->material.size() != 13)) {
        return false;
      }
      pending.wepKeys[key->slot].assign(key->material.begin(), key->material.end());
      if (key->transmit) pending.txSlot = key->slot;
      return true;
    }
    case OID_802_11_REMOVE_KEY: {
      const auto slot = ParseRemoveKey(in);
      if (!slot) return false;
      pending.wepKeys[*slot].clear();
      if (pending.txSlot == slot) pending.txSlot.reset();
      return true;
    }
    case OID_CV_802_11_ADD_WPA: {
      const auto key = ParseKeyRecord(in);
      if (!key || key->material.size() != sizeof(Psk)) return false;
      Psk psk{};
      std::copy(key->material.begin(), key->material.end(), psk.begin());
      pending.psk = psk;
      return true;
    }
    default:
      known = false;
      return false;
  }
}

bool Adapter::SetCardParameter(uint32_t oid, std::span<const uint8_t> in, bool& known) {
  switch (oid) {
    case OID_802_11_BSSID_LIST_SCAN:  // payload not meaningful
      Scan();
      return true;
    case OID_CV_802_11_RESET_COUNTERS:
      traffic_.ResetCounters();
      return true;
    case OID_CV_802_11_RADIO:
      if (in.size() < kWordLength) return false;
      std::copy_n(in.begin(), kWordLength, radioWord_.begin());
      if (!RadioOn()) association_.Disconnect();
      return true;
    case OID_CV_802_11_PHY_MODE: {
      if (!ReadWord(in, PHY_11ABG_MIXED, phyMode_)) return false;
      phyModeSet_ = true;
      association_.SetBands(phyMode_ == PHY_11ABG_MIXED ? Bands::kAll
                            : phyMode_ == PHY_11A       ? Bands::k5GHzOnly
                                                        : Bands::k24GHzOnly);
      return true;
    }
    case OID_CV_802_11_PREAMBLE:
      return ReadWord(in, Cv802_11PreambleAuto, preamble_);
    case OID_802_11_POWER_MODE:
      return ReadWord(in, Ndis802_11PowerModeFast_PSP, powerMode_);
    case OID_CV_802_11_TX_POWER_LEVEL:
      return ReadWord(in, 100, txPowerPercent_);
    case OID_802_11_RTS_THRESHOLD:
      return ReadWord(in, kAnyValue, rtsThreshold_);
    case OID_802_11_FRAGMENTATION_THRESHOLD:
      return ReadWord(in, kAnyValue, fragThreshold_);
    case OID_802_11_DESIRED_RATES:
      if (in.size() < kRatesLength) return false;
      std::copy_n(in.begin(), kRatesLength, rates_.begin());
      ratesSet_ = true;
      return true;
    case OID_802_11_CONFIGURATION:
      if (in.size() < sizeof(NDIS_802_11_CONFIGURATION)) return false;
      configuration_ = driverkit::FromBytes<NDIS_802_11_CONFIGURATION>(in);
      return true;
    case OID_CV_802_11_STA_CONFIG:
      if (in.size() < sizeof(CV_802_11_STA_CONFIG)) return false;
      staConfig_ = driverkit::FromBytes<CV_802_11_STA_CONFIG>(in);
      return true;
    default:
      known = false;
      return false;
  }
}

}  // namespace netvane::sim
