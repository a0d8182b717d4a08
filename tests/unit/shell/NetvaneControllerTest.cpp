// The shell against a table-driven driver service: start-up with and without the adapter, the
// poll's removal and re-insertion handling.
#include "shell/NetvaneController.h"

#include <gtest/gtest.h>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/LogRecorder.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"
#include "support/ui/FakeSleep.h"
#include "support/ui/ManualTimer.h"

namespace netvane {
namespace {

// The four pages the shell drives, each call logged by name into one log to show the order.
struct RecordingPages : ui::SiteSurveyShellPage,
                        ui::ProfileShellPage,
                        ui::AdvanceShellPage,
                        ui::AboutShellPage {
  explicit RecordingPages(const SharedState& s) : state(s) {}
  void RefreshAPList(const void*) override { log.emplace_back("RefreshAPList"); }
  void StartSiteSurveyTimer() override { log.emplace_back("StartSiteSurveyTimer"); }
  void StopSiteSurveyTimer() override { log.emplace_back("StopSiteSurveyTimer"); }
  void ClearAPList() override { log.emplace_back("ClearAPList"); }
  void DoTask() override { log.push_back("DoTask, G_bRescan " + std::to_string(state.G_bRescan)); }
  void RefreshProfileList() override { log.emplace_back("RefreshProfileList"); }
  void CheckProfileSettingForConnect() override { log.emplace_back("CheckProfileSetting"); }
  void RadioStatus() override { log.emplace_back("RadioStatus"); }
  void GetAllInformation() override { log.emplace_back("GetAllInformation"); }
  const SharedState& state;
  std::vector<std::string> log;
};
const std::vector<std::string> kBringUp = {"RefreshAPList",      "StartSiteSurveyTimer",
                                           "RefreshProfileList", "CheckProfileSetting",
                                           "RadioStatus",        "GetAllInformation"};

constexpr int32_t kDriverRefuses = 0x2BC;

class NetvaneControllerTest : public ::testing::Test {
 protected:
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
  RecordingPages pages{state};
  testing::FakeBusyIndicator busy;
  NetvaneController controller{state, adapter, tabs, poll, pages, pages, pages, pages, &busy};
};

TEST_F(NetvaneControllerTest, StartWithTheAdapterSelectsTabTwoAndBringsEverythingUpInOrder) {
  controller.awakeFromNib();

  EXPECT_EQ(tabs.selected, 2);
  EXPECT_EQ(state.G_bDeviceExist, 1);
  EXPECT_EQ(pages.log, kBringUp);
  EXPECT_EQ(sleep.calls, std::vector<unsigned>{2}) << "the card bring-up makes the first scan";
  EXPECT_TRUE(poll.IsRunning());
  EXPECT_DOUBLE_EQ(poll.interval, 2.0);
  EXPECT_EQ(busy.begins, 1);
  EXPECT_EQ(busy.depth, 0);
  EXPECT_EQ(driver.LiveHandles(), 0U) << "the device test leaves no connection open";
}

TEST_F(NetvaneControllerTest, FailingMediaQueryWithTheDeviceStillFoundRerunsTheBringUp) {
  StartPresent();
  driver.Answer(OID_GEN_MEDIA_CONNECT_STATUS, {}, kDriverRefuses);
  poll.Fire();

  std::vector<std::string> expected = {"ClearAPList"};
  expected.insert(expected.end(), kBringUp.begin(), kBringUp.end());
  EXPECT_EQ(pages.log, expected);
}

// Written every two seconds: a desktop session's journal sees it only with --verbose.
TEST_F(NetvaneControllerTest, ThePollLineIsADebugLine) {
  StartPresent();
  {
    testing::LogRecorder quiet;
    poll.Fire();
    EXPECT_TRUE(quiet.lines.empty()) << quiet.Text();
  }
  testing::LogRecorder verbose(true);
  poll.Fire();
  ASSERT_EQ(verbose.lines.size(), 1U);
  EXPECT_EQ(verbose.lines[0].level, system::LogLevel::kDebug);
}

TEST_F(NetvaneControllerTest, GoodTickLeavesThePagesAloneUnlessTheRadioIsOff) {
  StartPresent();
  poll.Fire();
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
  driver.services.clear();  // the adapter is removed
  state.G_bDialogRunning = 1;
  poll.Fire();
  EXPECT_TRUE(pages.log.empty()) << "a tick without the adapter would clear the list";
}

}  // namespace
}  // namespace netvane
