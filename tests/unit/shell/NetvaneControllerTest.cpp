// The shell against a table-driven driver service: the poll's quiet line and a radio switched
// off. Start-up, removal and re-insertion are proved against the simulator.
#include "shell/NetvaneController.h"

#include <gtest/gtest.h>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/LogRecorder.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"
#include "support/ui/ManualTimer.h"

namespace netvane {
namespace {

// The four pages the shell drives, each call logged by name into one log to show the order.
struct RecordingPages : ui::SiteSurveyShellPage,
                        ui::ProfileShellPage,
                        ui::AdvanceShellPage,
                        ui::AboutShellPage {
  void RefreshAPList(const void*) override { log.emplace_back("RefreshAPList"); }
  void StartSiteSurveyTimer() override { log.emplace_back("StartSiteSurveyTimer"); }
  void StopSiteSurveyTimer() override { log.emplace_back("StopSiteSurveyTimer"); }
  void ClearAPList() override { log.emplace_back("ClearAPList"); }
  void DoTask() override { log.emplace_back("DoTask"); }
  void RefreshProfileList() override { log.emplace_back("RefreshProfileList"); }
  void CheckProfileSettingForConnect() override { log.emplace_back("CheckProfileSetting"); }
  void RadioStatus() override { log.emplace_back("RadioStatus"); }
  void GetAllInformation() override { log.emplace_back("GetAllInformation"); }
  std::vector<std::string> log;
};

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
  SharedState state;
  CV7000Access adapter{state, driver, alert, [](unsigned) {}};
  testing::FakeTabView tabs;
  testing::ManualTimer poll;
  RecordingPages pages;
  testing::FakeBusyIndicator busy;
  NetvaneController controller{state, adapter, tabs, poll, pages, pages, pages, pages, &busy};
};

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

}  // namespace
}  // namespace netvane
