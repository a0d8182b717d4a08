#include "core/JoinBuilder.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

#include "core/DenialLog.h"
#include "driver/Records.h"

namespace netvane::nmbridge {
namespace {

bool IsWpa(uint32_t authMode) {
  return authMode == Ndis802_11AuthModeWPAPSK || authMode == Ndis802_11AuthModeWPA2PSK;
}

// The security setting, or a refusal in `why`. Empty optional with an empty `why`: open.
std::optional<WirelessSecurity> SecurityOf(const PendingJoin& join, std::string& why) {
  if (IsWpa(join.authMode)) {
    if (join.adhoc) {
      why = "WPA in ad hoc mode";
    } else if (join.psk.empty()) {
      why = "WPA with no key";
    } else {
      WirelessSecurity s;
      s.keyMgmt = "wpa-psk";
      s.psk = join.psk;
      return s;
    }
    return std::nullopt;
  }
  if (join.encryption == Ndis802_11WEPDisabled) return std::nullopt;
  if (join.encryption != Ndis802_11WEPEnabled) {
    why = "a WPA cipher without WPA authentication";
    return std::nullopt;
  }
  const bool anyKey = std::any_of(join.wepKeys.begin(), join.wepKeys.end(),
                                  [](const driverkit::SecretText& k) { return !k.empty(); });
  if (!anyKey) {
    why = "WEP with no key";
    return std::nullopt;
  }
  WirelessSecurity s;
  s.wep = true;
  s.keyMgmt = "none";
  s.authAlg = join.authMode == Ndis802_11AuthModeShared ? "shared" : "open";
  s.wepKeys = join.wepKeys;
  s.wepTxKeyIdx = join.wepTxSlot;
  return s;
}

std::string Refusal(const PendingJoin& join) {
  if (join.modeRefused) return "a mode NetworkManager cannot join";
  if (join.authRefused) return "an authentication NetworkManager cannot join";
  if (join.encryptionRefused) return "an encryption NetworkManager cannot join";
  return {};
}

}  // namespace

std::string SafeText(std::string_view bytes) {
  constexpr unsigned char kFirstPrintable = 0x20;
  constexpr unsigned char kLastPrintable = 0x7E;
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= kFirstPrintable && b <= kLastPrintable) {
      out.push_back(c);
    } else {
      std::array<char, 5> hex{};
      std::snprintf(hex.data(), hex.size(), "\\x%02X", b);
      out.append(hex.data(), 4);
    }
  }
  return out;
}

std::string NewUuid() {
  std::random_device device;
  std::array<uint8_t, 16> b{};
  for (std::size_t i = 0; i < b.size(); i += 4) {
    const uint32_t word = device();
    for (std::size_t j = 0; j < 4; ++j) b[i + j] = static_cast<uint8_t>(word >> (8U * j));
  }
  b[6] = static_cast<uint8_t>((b[6] & 0x0FU) | 0x40U);  // version 4
  b[8] = static_cast<uint8_t>((b[8] & 0x3FU) | 0x80U);  // the RFC 4122 variant
  std::string out;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out.push_back('-');
    std::array<char, 3> hex{};
    std::snprintf(hex.data(), hex.size(), "%02x", b[i]);
    out.append(hex.data(), 2);
  }
  return out;
}

JoinPlan PlanJoin(const PendingJoin& join, const JoinTarget& target, const DeviceState& device,
                  const std::string& userName) {
  JoinPlan plan;
  plan.refusal = Refusal(join);
  if (!plan.refusal.empty()) return plan;
  auto security = SecurityOf(join, plan.refusal);
  if (!plan.refusal.empty()) return plan;

  JoinSettings s;
  s.mode = join.adhoc ? "adhoc" : "infrastructure";
  const auto& aps = device.accessPoints;
  if (target.bssid) {
    // The set carries no SSID: only an access point NetworkManager has heard can be joined.
    const auto ap = std::find_if(aps.begin(), aps.end(), [&](const AccessPointState& a) {
      return a.bssid == *target.bssid;
    });
    if (ap == aps.end()) {
      plan.refusal = "a BSSID NetworkManager has not heard";
      return plan;
    }
    s.ssid = ap->ssid;
    s.bssid = target.bssid;
    s.specificObject = ap->path;
  } else {
    s.ssid = target.ssid;
    const auto ap = std::find_if(aps.begin(), aps.end(),
                                 [&](const AccessPointState& a) { return a.ssid == target.ssid; });
    if (ap != aps.end()) s.specificObject = ap->path;
    s.hidden = !join.adhoc && ap == aps.end();
  }
  if (s.ssid.empty()) {
    plan.refusal = "an empty SSID";
    return plan;
  }
  s.id = "Netvane " + SafeText(s.ssid);
  s.uuid = NewUuid();
  s.permissionUser = "user:" + userName;
  s.band = join.band;
  s.channel = join.channel;
  s.powersave = join.powersave;
  const bool secured = security.has_value();
  s.security = std::move(security);

  plan.actions = {kActionNetworkControl, kActionModifyOwn};
  if (join.adhoc) plan.actions.emplace_back(secured ? kActionShareProtected : kActionShareOpen);
  plan.settings = std::move(s);
  return plan;
}

}  // namespace netvane::nmbridge
