#include "core/DeviceService.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "core/DeviceQueries.h"
#include "core/JoinBuilder.h"
#include "core/PendingJoin.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "driverkit/ServiceLog.h"
#include "platform/userclient/Protocol.h"

namespace netvane::nmbridge {
namespace {

using userclient::kStatusBadArgs;
using userclient::kStatusError;
using userclient::kStatusSuccess;

constexpr std::size_t kWordLength = 4;
constexpr uint32_t kPreambleAuto = Cv802_11PreambleAuto;
constexpr uint32_t kRtsOff = 2347;
constexpr uint32_t kFragmentationOff = 2346;
constexpr uint32_t kFullPower = 100;

std::string Hex32(uint32_t v) {
  std::array<char, 11> text{};
  std::snprintf(text.data(), text.size(), "0x%08X", v);
  return text.data();
}

// A card setting NetworkManager leaves alone: accepted when it asks for what is there already.
std::optional<uint32_t> NoOpSet(uint32_t oid, std::span<const uint8_t> in, bool& known) {
  known = true;
  const auto word = [&](auto accepts) -> uint32_t {
    if (in.size() < kWordLength) return kStatusBadArgs;
    return accepts(driverkit::ReadU32(in, 0)) ? kStatusSuccess : kStatusError;
  };
  switch (oid) {
    case OID_CV_802_11_PREAMBLE:
      return word([](uint32_t v) { return v == kPreambleAuto; });
    case OID_802_11_RTS_THRESHOLD:
      return word([](uint32_t v) { return v == 0 || v >= kRtsOff; });
    case OID_802_11_FRAGMENTATION_THRESHOLD:
      return word([](uint32_t v) { return v == 0 || v >= kFragmentationOff; });
    case OID_CV_802_11_TX_POWER_LEVEL:
      return word([](uint32_t v) { return v == kFullPower; });
    case OID_802_11_DESIRED_RATES:  // NetworkManager has no fixed rates
      return in.size() < kRatesLength ? kStatusBadArgs : kStatusError;
    default:
      known = false;
      return std::nullopt;
  }
}

}  // namespace

struct DeviceService::State {
  const Snapshot& snapshot;
  std::string devicePath;
  NmActions& actions;
  DenialLog& denials;
  DeviceServiceSettings settings;
  DeviceQueries queries;
  PendingJoin pending;

  uint32_t Set(uint32_t oid, std::span<const uint8_t> in);
  uint32_t Join(const DeviceView& view, const JoinTarget& target);
  uint32_t Disassociate(const DeviceView& view);
  uint32_t Radio(const DeviceView& view, std::span<const uint8_t> in);
  uint32_t Scan(const DeviceView& view);
  // The first of `needed` this user is refused without asking ("no", or "auth" with no agent
  // to ask), said on standard error; empty when every one may be tried.
  std::optional<std::string> Refused(const DeviceView& view,
                                     const std::vector<std::string>& needed);
  // The call's outcome as a status, noting a polkit refusal or a grant.
  uint32_t Outcome(const ActionResult& result, const std::vector<std::string>& needed);
};

DeviceService::DeviceService(const Snapshot& snapshot, std::string devicePath, NmActions& actions,
                             DenialLog& denials, DeviceServiceSettings settings) {
  DeviceQueries queries(settings.sysfsRoot);
  state_ = std::make_unique<State>(State{snapshot,
                                         std::move(devicePath),
                                         actions,
                                         denials,
                                         std::move(settings),
                                         std::move(queries),
                                         {}});
}

DeviceService::~DeviceService() {
  state_->pending.Clear();
}

driverkit::Reply DeviceService::Handle(const driverkit::Request& request) {
  if (request.kind == userclient::kKindScalar) return driverkit::Reply{};
  const uint32_t oid = request.selector & ~kOidSetFlag;
  driverkit::Reply reply;
  if (IsSetCode(request.selector)) {
    reply.status = state_->Set(oid, request.in);
  } else {
    reply =
        state_->queries.Answer(state_->snapshot.View(state_->devicePath), oid, request.outCapacity);
  }
  if (reply.out.size() > request.outCapacity) reply.out.resize(request.outCapacity);
  if (driverkit::ServiceVerbose()) {
    driverkit::ServiceDebug((IsSetCode(request.selector) ? "set " : "query ") + Hex32(oid) +
                            " -> " + Hex32(reply.status));
  }
  return reply;
}

std::optional<std::string> DeviceService::State::Refused(const DeviceView& view,
                                                         const std::vector<std::string>& needed) {
  if (!view.manager) return std::nullopt;
  const auto& permissions = view.manager->permissions;
  for (const std::string& action : needed) {
    const auto it = permissions.find(action);
    if (it != permissions.end() && (it->second == "no" || it->second == "auth")) {
      denials.Denied(action);
      return action;
    }
  }
  return std::nullopt;
}

uint32_t DeviceService::State::Outcome(const ActionResult& result,
                                       const std::vector<std::string>& needed) {
  switch (result.outcome) {
    case ActionOutcome::kDone:
      for (const std::string& action : needed) denials.Granted(action);
      return kStatusSuccess;
    case ActionOutcome::kDenied:
      // NetworkManager does not say which action polkit refused: the first is the one it
      // checks first.
      if (!needed.empty()) denials.Denied(needed.front());
      return kStatusError;
    default:
      driverkit::ServiceDebug("NetworkManager: " + result.detail);
      return kStatusError;
  }
}

uint32_t DeviceService::State::Set(uint32_t oid, std::span<const uint8_t> in) {
  const DeviceView view = snapshot.View(devicePath);
  bool known = true;
  const auto noOp = NoOpSet(oid, in, known);
  if (known) return *noOp;
  if (!view.device) {
    // Known or not, a device NetworkManager no longer has cannot take a setting.
    return kStatusError;
  }
  switch (oid) {
    case OID_802_11_BSSID: {
      if (in.size() < kMacLength) return kStatusBadArgs;
      JoinTarget target;
      driverkit::Mac mac{};
      std::copy_n(in.begin(), kMacLength, mac.begin());
      target.bssid = mac;
      return Join(view, target);
    }
    case OID_802_11_SSID: {
      if (in.size() < sizeof(NDIS_802_11_SSID)) return kStatusBadArgs;
      const uint32_t length = driverkit::ReadU32(in, 0);
      if (length > kMaxSsidLength) return kStatusBadArgs;
      const auto bytes = in.subspan(offsetof(NDIS_802_11_SSID, Ssid), length);
      return Join(view, JoinTarget{std::nullopt, std::string(bytes.begin(), bytes.end())});
    }
    case OID_802_11_DISASSOCIATE:
      return Disassociate(view);
    case OID_802_11_BSSID_LIST_SCAN:
      return Scan(view);
    case OID_CV_802_11_RESET_COUNTERS:
      queries.ResetCounters(view);
      return kStatusSuccess;
    case OID_CV_802_11_RADIO:
      return Radio(view, in);
    case OID_CV_802_11_STA_CONFIG: {
      if (in.size() < sizeof(CV_802_11_STA_CONFIG)) return kStatusBadArgs;
      const ManagerState manager = view.manager ? *view.manager : ManagerState{};
      const driverkit::Bytes now = driverkit::ToBytes(StaConfigOf(manager));
      return std::equal(now.begin(), now.end(), in.begin()) ? kStatusSuccess : kStatusError;
    }
    default:
      break;
  }
  const uint32_t status = ApplyJoinSet(pending, oid, in, known);
  return known ? status : kStatusBadArgs;
}

uint32_t DeviceService::State::Join(const DeviceView& view, const JoinTarget& target) {
  const JoinPlan plan = PlanJoin(pending, target, *view.device, settings.userName);
  // The keys have done their work whatever the answer: they are not kept past the join.
  Wipe(pending.psk);
  for (auto& key : pending.wepKeys) Wipe(key);
  if (!plan.settings) {
    driverkit::ServiceDebug("join refused: " + plan.refusal);
    return kStatusError;
  }
  if (Refused(view, plan.actions)) return kStatusError;
  return Outcome(actions.AddAndActivate(*plan.settings, devicePath, settings.actionWaitMs),
                 plan.actions);
}

uint32_t DeviceService::State::Disassociate(const DeviceView& view) {
  pending.Clear();
  // Nothing to drop, or polkit says no: the association is gone either way, as far as the
  // client is concerned.
  const std::vector<std::string> needed = {kActionNetworkControl};
  if (view.device->activeConnection == "/" || Refused(view, needed)) return kStatusSuccess;
  Outcome(actions.Disconnect(devicePath, settings.actionWaitMs), needed);
  return kStatusSuccess;
}

uint32_t DeviceService::State::Radio(const DeviceView& view, std::span<const uint8_t> in) {
  if (in.size() < kWordLength) return kStatusBadArgs;
  const bool on =
      std::any_of(in.begin(), in.begin() + kWordLength, [](uint8_t b) { return b != 0; });
  const std::vector<std::string> needed = {kActionEnableWifi};
  if (Refused(view, needed)) return kStatusError;
  return Outcome(actions.SetWirelessEnabled(on, settings.actionWaitMs), needed);
}

uint32_t DeviceService::State::Scan(const DeviceView& view) {
  if (Refused(view, {kActionWifiScan})) return kStatusError;
  actions.RequestScan(devicePath);  // the results arrive through the snapshot
  return kStatusSuccess;
}

}  // namespace netvane::nmbridge
