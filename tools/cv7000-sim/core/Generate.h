// Synthetic networks, so that a scenario can fill a whole scan list without listing hundreds.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Scenario.h"

namespace netvane::sim {

constexpr uint32_t kMaxGeneratedNetworks = 4096;

void AppendGeneratedNetworks(std::vector<Network>& networks, uint32_t count, uint64_t seed);

}  // namespace netvane::sim
