// The real window, composition root and socket user client against the real cv7000-sim: the
// card bring-up reaches the simulator, the poll notices the daemon going away (adapter
// removed) and coming back (re-inserted), and brings the card up again.
#include <gtest/gtest.h>

#include <string>

#include "gui/QtTestApp.h"
#include "platform/qt/CompositionRoot.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

class ShellIntegrationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  // Whether the simulator was asked for the station configuration, which only the bring-up does.
  bool BroughtUp() const {
    for (const auto& line : sim.Trace()) {
      if (line.contains("selector") && line["selector"] == "0x0d710111") return true;
    }
    return false;
  }

  testing::SimHarness sim;  // first: points the registry at its own folder
};

TEST_F(ShellIntegrationTest, BringUpReachesTheSimulatorAndRunsAgainAfterReinsertion) {
  sim.Start();
  // The scan wait is skipped: the simulator has its result ready at once.
  qt::CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  root.SetUp();

  EXPECT_EQ(root.State().G_bDeviceExist, 1);
  EXPECT_TRUE(BroughtUp());

  ASSERT_EQ(sim.Stop(), 0);
  root.Controller().OnTimer();
  EXPECT_EQ(root.State().G_bDeviceExist, 0) << "a stopped daemon is a removed adapter";

  sim.ClearTrace();
  sim.Start();
  root.Controller().OnTimer();
  EXPECT_EQ(root.State().G_bDeviceExist, 1);
  EXPECT_TRUE(BroughtUp()) << "re-insertion brings the card up again";
}

}  // namespace
}  // namespace netvane
