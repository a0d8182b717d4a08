// Scenario files: defaults, every shipped example, and clear messages for bad input.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/ScenarioLoader.h"

namespace netvane::sim {
namespace {

std::string ErrorOf(const std::string& json) {
  const ScenarioLoad load = LoadScenarioText(json);
  EXPECT_FALSE(load.scenario) << json;
  return load.error;
}

TEST(ScenarioTest, EmptyObjectGivesTheDocumentedDefaults) {
  const ScenarioLoad load = LoadScenarioText("{}");
  ASSERT_TRUE(load.scenario) << load.error;
  const Scenario& s = *load.scenario;
  EXPECT_TRUE(s.radio);
  EXPECT_EQ(s.maxPartBytes, 4096U);
  EXPECT_TRUE(s.networks.empty());
  EXPECT_TRUE(s.card.supports5GHz);
  EXPECT_FALSE(s.card.eepromError);

  const ScenarioLoad net =
      LoadScenarioText(R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"}]})");
  ASSERT_TRUE(net.scenario) << net.error;
  const Network& n = net.scenario->networks[0];
  EXPECT_EQ(n.security, Security::kOpen);
  EXPECT_FALSE(n.adhoc);
  EXPECT_FALSE(n.hidden);
}

TEST(ScenarioTest, EveryShippedScenarioLoadsWithoutWarnings) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(NETVANE_SIM_SCENARIO_DIR)) {
    const ScenarioLoad load = LoadScenarioFile(entry.path().string());
    EXPECT_TRUE(load.scenario) << load.error;
    EXPECT_TRUE(load.warnings.empty()) << entry.path();
    ++count;
  }
  EXPECT_GE(count, 4);
  EXPECT_EQ(DefaultScenario().networks.size(), 10U);
}

TEST(ScenarioTest, BadInputNamesTheKeyAndWhatWasExpected) {
  const std::string net = R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01", )";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"{", "not valid JSON"},
      {"[]", "expected an object"},
      {R"({"seed": "seven"})", "seed: expected an integer"},
      {R"({"card": {"eeprom_version": [2]}})", "card.eeprom_version"},
      {R"({"card": {"hw_radio": 1}})", "card.hw_radio: expected true or false"},
      {R"({"scan": {"max_part_bytes": 70000}})", "scan.max_part_bytes: out of range"},
      {R"({"networks": {}})", "networks: expected an array"},
      {R"({"networks": [{"bssid": "02:00:00:00:00:01"}]})", "networks[0].ssid: missing"},
      {net + R"("channel": 15}]})", "networks[0].channel"},
      {net + R"("security": "wpa2"}]})", "networks[0].security"},
      {net + R"("security": "wpa-psk", "passphrase": "short"}]})", "networks[0].passphrase"},
      {net + R"("security": "wpa-psk", "psk": "abcd"}]})", "networks[0].psk"},
      {net + R"("security": "wep", "wep_keys": ["0102"]}]})", "networks[0].wep_keys[0]"},
      {net + R"("security": "wep", "wep_keys": ["", "0102030405"]}]})", "wep_tx_key slot"},
      {net + R"("security": "wpa-none", "passphrase": "long enough"}]})", "adhoc"},
      {net + R"("pairwise": ["ccmp"]}]})", "networks[0].pairwise[0]"},
      {R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"},
                        {"ssid": "B", "bssid": "02:00:00:00:00:01"}]})",
       "appears twice"},
      {R"({"networks": [{"ssid": "123456789012345678901234567890123", "bssid": "02:00:00:00:00:01"}]})",
       "longer than 32"},
      {R"({"faults": {"reject_oids": ["zero"]}})", "faults.reject_oids[0]"},
      {R"({"faults": {"delay_ms": {"0x00010114": -1}}})", "faults.delay_ms.0x00010114"},
      {R"({"faults": {"malformed_scan": "garbled"}})", "faults.malformed_scan"},
      {R"({"generate": {"count": 100000}})", "generate.count"},
  };
  for (const auto& [json, expected] : cases) {
    EXPECT_NE(ErrorOf(json).find(expected), std::string::npos) << json << " -> " << ErrorOf(json);
  }
}

TEST(ScenarioTest, UnknownKeysAreWarnedAboutAndIgnored) {
  const ScenarioLoad load = LoadScenarioText(
      R"({"colour": "blue", "networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01", "sid": 1}]})");
  ASSERT_TRUE(load.scenario);
  ASSERT_EQ(load.warnings.size(), 2U);
  EXPECT_NE(load.warnings[0].find("networks[0].sid"), std::string::npos);
  EXPECT_NE(load.warnings[1].find("colour"), std::string::npos);
}

TEST(ScenarioTest, MissingFileIsAnError) {
  const ScenarioLoad load = LoadScenarioFile("/nonexistent/scenario.json");
  EXPECT_FALSE(load.scenario);
  EXPECT_NE(load.error.find("cannot be read"), std::string::npos);
}

}  // namespace
}  // namespace netvane::sim
