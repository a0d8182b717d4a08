// The shell against a table-driven driver service: start-up with and without the adapter, the
// poll's removal and re-insertion handling, and the collection of task-started scans.
#include "app/NetvaneController.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"
#include "support/ui/FakeSleep.h"
#include "support/ui/ManualTimer.h"
#include "unit/app/RecordingPages.h"

namespace netvane {
namespace {

using testing::BringUpCalls;

constexpr uint32_t kScanTrigger = SetForm(OID_802_11_BSSID_LIST_SCAN);
constexpr int32_t kDriverRefuses = 0x2BC;

class NetvaneControllerTest : public ::testing::Test {
 protected:
  void RemoveAdapter() { driver.services.clear(); }
  void InsertAdapter() { driver.services = {"0"}; }
  size_t ScanTriggers() const {
    const auto calls = driver.StructCalls();
    return static_cast<size_t>(std::count_if(
        calls.begin(), calls.end(), [](const auto& c) { return c.selector == kScanTrigger; }));
  }
  // Starts with the adapter present and forgets what start-up did.
  void StartPresent() {
    controller.awakeFromNib();
    pages.log.clear();
    driver.calls.clear();
  }

  testing::FakeUserClient driver;
  testing::FakeAlert alert;
  testing::FakeSleep sleep;
  SharedState state;
  CV7000Access adapter{state, driver, alert, sleep.Function()};
  testing::FakeTabView tabs;
  testing::ManualTimer poll;
  testing::RecordingPages pages{state};
  testing::FakeBusyIndicator busy;
  NetvaneController controller{state, adapter, tabs, poll, pages, pages, pages, pages, &busy};
};

TEST_F(NetvaneControllerTest, StartWithTheAdapterSelectsTabTwoAndBringsEverythingUpInOrder) {
  controller.awakeFromNib();

  EXPECT_EQ(tabs.selected, 2);
  EXPECT_EQ(state.G_bDeviceExist, 1);
  EXPECT_EQ(pages.log, BringUpCalls());
  EXPECT_EQ(ScanTriggers(), 1U) << "the card bring-up makes the first scan";
  EXPECT_EQ(sleep.calls, std::vector<unsigned>{2});
  EXPECT_TRUE(poll.IsRunning());
  EXPECT_DOUBLE_EQ(poll.interval, 2.0);
  EXPECT_EQ(busy.begins, 1);
  EXPECT_EQ(busy.depth, 0);
  EXPECT_EQ(driver.LiveHandles(), 0U) << "the device test leaves no connection open";
}

TEST_F(NetvaneControllerTest, StartWithoutAdapterTouchesNoPageAndInsertionIsTakenUpNextTick) {
  RemoveAdapter();
  controller.awakeFromNib();

  EXPECT_EQ(tabs.selected, 2);
  EXPECT_EQ(state.G_bDeviceExist, 0);
  EXPECT_TRUE(pages.log.empty());
  EXPECT_TRUE(alert.shown.empty());
  EXPECT_TRUE(poll.IsRunning()) << "the poll runs without an adapter";

  poll.Fire();  // still absent: only the list is cleared
  EXPECT_EQ(pages.log, std::vector<std::string>{"ClearAPList"});
  EXPECT_EQ(state.G_bDeviceExist, 0);

  pages.log.clear();
  InsertAdapter();
  poll.Fire();
  EXPECT_EQ(state.G_bDeviceExist, 1);
  EXPECT_EQ(pages.log, BringUpCalls()) << "the driver answers again, so nothing is cleared";
  EXPECT_EQ(ScanTriggers(), 1U);
}

TEST_F(NetvaneControllerTest, RemovalClearsTheListOnEveryTickUntilTheAdapterReturns) {
  StartPresent();
  RemoveAdapter();
  for (int tick = 0; tick < 3; ++tick) poll.Fire();

  EXPECT_EQ(pages.log, std::vector<std::string>(3, "ClearAPList"));
  EXPECT_EQ(state.G_bDeviceExist, 0);
  EXPECT_EQ(ScanTriggers(), 0U);

  InsertAdapter();
  pages.log.clear();
  poll.Fire();
  EXPECT_EQ(state.G_bDeviceExist, 1);
  EXPECT_EQ(ScanTriggers(), 1U) << "re-insertion runs the whole bring-up again";
  EXPECT_EQ(pages.log.back(), "GetAllInformation");
}

TEST_F(NetvaneControllerTest, FailingMediaQueryWithTheDeviceStillFoundRerunsTheBringUp) {
  StartPresent();
  driver.Answer(OID_GEN_MEDIA_CONNECT_STATUS, {}, kDriverRefuses);
  poll.Fire();

  std::vector<std::string> expected = {"ClearAPList"};
  expected.insert(expected.end(), BringUpCalls().begin(), BringUpCalls().end());
  EXPECT_EQ(pages.log, expected);
  EXPECT_EQ(state.G_bDeviceExist, 1);
  EXPECT_EQ(ScanTriggers(), 1U);
}

TEST_F(NetvaneControllerTest, GoodTickCollectsAPendingTaskScanBetweenStopAndRestart) {
  StartPresent();
  state.G_bBssidListScan = 1;

  ::testing::internal::CaptureStderr();
  poll.Fire();
  const std::string err = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(err, "NetvaneController - G_bBssidListScan = 1\n");
  EXPECT_EQ(pages.log,
            (std::vector<std::string>{"StopSiteSurveyTimer", "DoTask", "StartSiteSurveyTimer"}));
  EXPECT_EQ(pages.rescanWhenDoTaskRan, 0) << "the rescan flag is raised after the collection";
  EXPECT_EQ(state.G_bRescan, 1);
}

TEST_F(NetvaneControllerTest, GoodTickLeavesThePagesAloneUnlessTheRadioIsOff) {
  StartPresent();
  ::testing::internal::CaptureStderr();
  poll.Fire();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "NetvaneController - G_bBssidListScan = 0\n");
  EXPECT_TRUE(pages.log.empty());
  EXPECT_EQ(state.G_bRescan, 0);

  state.G_bRadio = 0;
  poll.Fire();
  poll.Fire();
  EXPECT_EQ(pages.log, std::vector<std::string>(2, "ClearAPList"));
  EXPECT_EQ(state.G_bDeviceExist, 1);
}

TEST_F(NetvaneControllerTest, TickIsSkippedWhileTheCardIsBeingInitialised) {
  StartPresent();
  RemoveAdapter();
  state.G_bDialogRunning = 1;
  poll.Fire();
  EXPECT_TRUE(driver.calls.empty());
  EXPECT_TRUE(pages.log.empty());
  EXPECT_EQ(state.G_bDeviceExist, 1);
}

TEST_F(NetvaneControllerTest, AServiceThatCannotBeOpenedCountsAsNoAdapter) {
  driver.failOpen = true;
  EXPECT_FALSE(controller.IsDeviceDriverExist());
  EXPECT_EQ(driver.LiveHandles(), 0U);
}

}  // namespace
}  // namespace netvane
