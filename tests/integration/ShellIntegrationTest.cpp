// The real window, composition root and socket user client against the real cv7000-sim: the
// card bring-up reaches the simulator, the poll notices the daemon going away (adapter
// removed) and coming back (re-inserted), and brings the card up again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/ScanList.h"
#include "gui/QtTestApp.h"
#include "platform/qt/CompositionRoot.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

using nlohmann::json;

// Selectors of the structure calls in the trace, as the simulator writes them.
std::vector<std::string> StructSelectors(const std::vector<json>& trace) {
  std::vector<std::string> out;
  for (const json& line : trace)
    if (line.value("call", "") == "struct") out.push_back(line.value("selector", ""));
  return out;
}

// The card bring-up, in order: station configuration, network types, scan trigger, list.
bool ContainsBringUp(const std::vector<std::string>& selectors) {
  const std::vector<std::string> bringUp = {"0x0d710111", "0x0d010203", "0x0d81011a", "0x0d010217"};
  auto at = selectors.begin();
  for (const std::string& step : bringUp) {
    at = std::find(at, selectors.end(), step);
    if (at == selectors.end()) return false;
    ++at;
  }
  return true;
}

class ShellIntegrationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }

  testing::SimHarness sim;  // first: points the registry at its own folder
};

TEST_F(ShellIntegrationTest, BringUpReachesTheSimulatorAndRunsAgainAfterReinsertion) {
  sim.Start();
  // The scan wait is skipped: the simulator has its result ready at once.
  qt::CompositionRoot root{{nullptr, [](unsigned) {}}};
  root.SetUp();

  EXPECT_EQ(root.State().G_bDeviceExist, 1);
  EXPECT_EQ(root.Window().Tabs()->currentIndex(), 2);
  EXPECT_TRUE(ContainsBringUp(StructSelectors(sim.Trace())));
  ASSERT_NE(root.State().G_pBssidList, nullptr);
  EXPECT_GT(root.State().G_pBssidList->NumberOfItems(), 0U)
      << "the built-in environment has networks";

  ::testing::internal::CaptureStderr();
  root.Controller().OnTimer();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "NetvaneController - G_bBssidListScan = 0\n");

  ASSERT_EQ(sim.Stop(), 0);
  root.Controller().OnTimer();
  EXPECT_EQ(root.State().G_bDeviceExist, 0) << "a stopped daemon is a removed adapter";
  root.Controller().OnTimer();
  EXPECT_EQ(root.State().G_bDeviceExist, 0);

  sim.ClearTrace();
  sim.Start();
  root.Controller().OnTimer();
  EXPECT_EQ(root.State().G_bDeviceExist, 1);
  EXPECT_TRUE(ContainsBringUp(StructSelectors(sim.Trace())))
      << "re-insertion brings the card up again";
}

}  // namespace
}  // namespace netvane
