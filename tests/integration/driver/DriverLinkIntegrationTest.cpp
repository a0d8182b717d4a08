// The driver link against the real simulated adapter over its socket, in a private registry: a
// bring-up whose scan comes in many parts, and the simulator's refusal of a registry folder
// others may write to.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "driver/CV7000Access.h"
#include "driver/ScanList.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"
#include "support/ui/FakeAlert.h"

namespace netvane {
namespace {

TEST(DriverLinkTest, BringUpJoinsAScanDeliveredInManyParts) {
  testing::SimHarness sim;
  sim.Start(R"({"scan": {"max_part_bytes": 600}, "generate": {"count": 60, "seed": 9}})");
  userclient::SocketUserClient client;
  testing::FakeAlert alert;
  SharedState state;
  CV7000Access access{state, client, alert, nullptr};
  EXPECT_TRUE(access.InitCard());
  EXPECT_TRUE(alert.shown.empty());
  EXPECT_EQ(state.G_bSupportAMode, 1);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 60U);
  const auto selector = [](const nlohmann::json& line) { return line["selector"]; };
  EXPECT_GT(std::ranges::count(sim.Trace(), "0x0d010218", selector), 10);  // parts of the list
}

}  // namespace
}  // namespace netvane
