// Reads a scenario from JSON text. Every problem is reported as one readable message naming
// the offending key; nothing here aborts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Scenario.h"

namespace netvane::sim {

struct ScenarioLoad {
  std::optional<Scenario> scenario;  // empty when `error` says why
  std::string error;
  std::vector<std::string> warnings;  // unknown keys, ignored
};

ScenarioLoad LoadScenarioText(std::string_view jsonText);
ScenarioLoad LoadScenarioFile(const std::string& path);

// The environment used when no scenario is given.
Scenario DefaultScenario();
std::string_view DefaultScenarioText();

}  // namespace netvane::sim
