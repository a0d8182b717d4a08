// The WPA pre-shared key of a pass phrase, computed with libcrypto as an independent reference
// for the key the utility derives itself.
#pragma once

#include <string>

#include "core/Scenario.h"

namespace netvane::sim {

Psk DerivePsk(const std::string& passphrase, const std::string& ssid);

}  // namespace netvane::sim
