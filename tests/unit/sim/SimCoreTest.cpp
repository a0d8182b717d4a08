// A bad scenario file is refused with a message naming the key and what was expected. Everything
// else the simulator does is proved by the tests that drive it over its socket.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ScenarioLoader.h"

namespace netvane::sim {
namespace {

TEST(ScenarioTest, BadInputNamesTheKeyAndWhatWasExpected) {
  const std::string net = R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01", )";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"{", "not valid JSON"},
      {R"({"seed": "seven"})", "seed: expected an integer"},
      {R"({"networks": [{"bssid": "02:00:00:00:00:01"}]})", "networks[0].ssid: missing"},
      {net + R"("security": "wpa2"}]})", "networks[0].security"},
      {R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"},
                        {"ssid": "B", "bssid": "02:00:00:00:00:01"}]})",
       "appears twice"},
  };
  for (const auto& [json, expected] : cases) {
    const ScenarioLoad load = LoadScenarioText(json);
    EXPECT_FALSE(load.scenario) << json;
    EXPECT_NE(load.error.find(expected), std::string::npos) << json << " -> " << load.error;
  }
  EXPECT_NE(LoadScenarioFile("/nonexistent/scenario.json").error.find("cannot be read"),
            std::string::npos);
}

}  // namespace
}  // namespace netvane::sim
