// From a pending join and the access point it names to the settings NetworkManager is asked to
// activate, or the reason it is not asked at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/JoinSettings.h"
#include "core/NmState.h"
#include "core/PendingJoin.h"

namespace netvane::nmbridge {

// What the association set names: an access point by its address, or a network by its name.
struct JoinTarget {
  std::optional<driverkit::Mac> bssid;
  std::string ssid;  // used without a BSSID
};

struct JoinPlan {
  std::optional<JoinSettings> settings;  // empty when the join is refused before any call
  std::string refusal;                   // why, for the debug line (never a key)
  std::vector<std::string> actions;      // the polkit actions the call needs
};

JoinPlan PlanJoin(const PendingJoin& join, const JoinTarget& target, const DeviceState& device,
                  const std::string& userName);

// Printable ASCII as it is, every other byte as \xNN: an SSID inside a connection's name.
std::string SafeText(std::string_view bytes);

// A new random (version 4) UUID in its usual text form.
std::string NewUuid();

}  // namespace netvane::nmbridge
