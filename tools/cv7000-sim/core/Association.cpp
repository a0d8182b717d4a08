#include "core/Association.h"

#include <algorithm>

#include "core/Psk.h"
#include "driver/Records.h"
#include "driverkit/Channels.h"

namespace netvane::sim {
namespace {

uint32_t WepStatusOf(Cipher c) {
  return c == Cipher::kAes ? Ndis802_11Encryption3Enabled : Ndis802_11Encryption2Enabled;
}

bool SameSsid(std::span<const uint8_t> ssid, const std::string& name) {
  return std::equal(ssid.begin(), ssid.end(), name.begin(), name.end(),
                    [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); });
}

// A locally administered address from the name, so one name always gives one BSSID (FNV-1a).
Mac AdhocBssid(std::span<const uint8_t> ssid) {
  uint64_t hash = 14695981039346656037ULL;
  for (const uint8_t b : ssid) hash = (hash ^ b) * 1099511628211ULL;
  Mac mac{0x02};
  for (std::size_t i = 1; i < mac.size(); ++i) mac[i] = static_cast<uint8_t>(hash >> (8 * i));
  return mac;
}

}  // namespace

Association::Association(const std::vector<Network>& networks, bool supports5GHz)
    : networks_(networks), supports5GHz_(supports5GHz) {}

bool Association::InRange(const Network& n) const {
  const bool on5GHz = driverkit::Is5GHzChannel(n.channel);
  if (on5GHz && (!supports5GHz_ || bands_ == Bands::k24GHzOnly)) return false;
  return on5GHz || bands_ != Bands::k5GHzOnly;
}

bool Association::HearsAdhoc(std::span<const uint8_t> ssid) const {
  return std::any_of(networks_.begin(), networks_.end(), [&](const Network& n) {
    return n.adhoc && SameSsid(ssid, n.ssid) && InRange(n);
  });
}

void Association::StartAdhoc(std::span<const uint8_t> ssid, uint32_t channel) {
  started_ = Network{};
  started_.ssid.assign(ssid.begin(), ssid.end());
  started_.bssid = AdhocBssid(ssid);
  started_.channel = channel;
  started_.rssi = -50;  // its own network: as strong as any peer that joins it
  started_.adhoc = true;
  if (pending_.authMode == Ndis802_11AuthModeWPANone) {
    started_.security = Security::kWpaNone;
  } else if (pending_.wepStatus == Ndis802_11WEPEnabled) {
    started_.security = Security::kWep;
  }
  current_ = &started_;
}

bool Association::AssociateBySsid(std::span<const uint8_t> ssid, bool radioOn) {
  current_ = nullptr;
  if (!radioOn) return false;
  for (const Network& n : networks_) {
    const bool same = SameSsid(ssid, n.ssid);
    // Several access points may share a name: take the strongest that accepts us.
    if (same && InRange(n) && Fits(n) && (current_ == nullptr || n.rssi > current_->rssi)) {
      current_ = &n;
    }
  }
  return current_ != nullptr;
}

bool Association::AssociateByBssid(std::span<const uint8_t> bssid, bool radioOn) {
  current_ = nullptr;
  if (!radioOn || bssid.size() != kMacLength) return false;
  for (const Network& n : networks_) {
    if (std::equal(bssid.begin(), bssid.end(), n.bssid.begin()) && InRange(n) && Fits(n)) {
      current_ = &n;
    }
  }
  return current_ != nullptr;
}

bool Association::Fits(const Network& n) {
  const uint32_t wantMode = n.adhoc ? Ndis802_11IBSS : Ndis802_11Infrastructure;
  if (pending_.infrastructureMode != wantMode) return false;
  const uint32_t auth = pending_.authMode;
  const uint32_t cipher = pending_.wepStatus;
  switch (n.security) {
    case Security::kOpen:
      return auth == Ndis802_11AuthModeOpen && cipher == Ndis802_11WEPDisabled;
    case Security::kWep: {
      const uint32_t wantAuth = n.wepShared ? Ndis802_11AuthModeShared : Ndis802_11AuthModeOpen;
      return auth == wantAuth && cipher == Ndis802_11WEPEnabled && WepKeyFits(n);
    }
    case Security::kWpaPsk:
      return auth == Ndis802_11AuthModeWPAPSK && CipherFits(n) && PskFits(n);
    case Security::kWpaNone:
      return auth == Ndis802_11AuthModeWPANone && CipherFits(n) && PskFits(n);
    case Security::kWpa2Psk:
    case Security::kWpa2Wpa3:  // a transition network takes the pre-shared key beside SAE
      return auth == Ndis802_11AuthModeWPA2PSK && CipherFits(n) && PskFits(n);
    case Security::kWpaEap:   // needs an 802.1X supplicant, which the utility does not have
    case Security::kWpa2Eap:  // the same
    case Security::kWpa3Sae:  // the card does neither SAE nor OWE
    case Security::kOwe:
      return false;
  }
  return false;
}

bool Association::CipherFits(const Network& n) const {
  const uint32_t cipher = pending_.wepStatus;
  if (cipher == WepStatusOf(n.groupCipher)) return true;
  return std::any_of(n.pairwise.begin(), n.pairwise.end(),
                     [cipher](Cipher c) { return WepStatusOf(c) == cipher; });
}

bool Association::WepKeyFits(const Network& n) const {
  if (!pending_.txSlot) return false;
  const driverkit::Bytes& sent = pending_.wepKeys[*pending_.txSlot];
  return !sent.empty() && sent == n.wepKeys[n.wepTxKey];
}

bool Association::PskFits(const Network& n) {
  if (!pending_.psk) return false;
  auto it = pskCache_.find(&n);
  if (it == pskCache_.end()) {
    it = pskCache_.emplace(&n, n.psk ? *n.psk : DerivePsk(n.passphrase, n.ssid)).first;
  }
  return *pending_.psk == it->second;
}

}  // namespace netvane::sim
