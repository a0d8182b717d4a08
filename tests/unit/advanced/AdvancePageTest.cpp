// The advanced page over the fake driver registry with its settings file on a temporary
// folder: the mode handler, Apply's exact requests and what it stores, damaged settings and
// Reset. The radio switch is proved against the simulator (StatusIntegrationTest).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "advanced/AdvancePageController.h"
#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "support/TempFolder.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"

namespace netvane {
namespace {

using testing::Bytes;

class AdvancePageTest : public ::testing::Test {
 protected:
  AdvancePageTest() {
    mode.entries = {"B/G mixed", "B only", "A only", "A/B/G mixed"};
    protection.entries = {"Auto", "On", "Off"};
    state.G_bDeviceExist = 1;
  }
  void WriteSettings(const std::string& storedMode, const std::string& storedRate) {
    ASSERT_TRUE(folder.Ensure());
    std::ofstream(folder.FileNamed("AdvancedProfileSetting.plist"))
        << "<plist><array><dict><key>Wireless Mode</key><string>" << storedMode
        << "</string><key>Tx Rate</key><string>" << storedRate
        << "</string><key>Tx Burst</key><string>1</string></dict></array></plist>";
  }
  void Choose(int wirelessMode) {
    mode.SelectIndex(wirelessMode);
    page.OnSelChangeWirelessMode(nullptr);
  }
  // The structure calls Apply makes, as (selector, payload).
  std::vector<std::pair<uint32_t, std::vector<uint8_t>>> Apply() {
    driver.calls.clear();
    page.OnApply(nullptr);
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> calls;
    for (const auto& c : driver.StructCalls()) calls.emplace_back(c.selector, c.in);
    return calls;
  }

  testing::TempFolder temp;
  prefs::PrefsFolder folder{temp.File("netvane")};
  prefs::RecordListFile file{folder, "AdvancedProfileSetting.plist"};
  SharedState state;
  testing::FakeUserClient driver;
  testing::FakeAlert alert;
  CV7000Access adapter{state, driver, alert, [](unsigned) {}};
  testing::FakeChoiceList mode, rate, protection;
  testing::FakeToggle burst, ofdm;
  testing::FakeButton apply, reset, radio;
  testing::FakeImageView picture;
  AdvancePageController page{
      state, adapter, {mode, rate, protection, burst, ofdm, apply, reset, radio, picture}, file};
};

TEST_F(AdvancePageTest, ApplySendsWhatTheCardCanUseStoresItAndShowsIt) {
  page.awakeFromNib();
  Choose(kModeA);  // this card has no 802.11a
  driver.Answer(OID_CV_802_11_PHY_MODE, Bytes(uint32_t{kModeB}));
  const auto calls = Apply();
  const std::vector<uint8_t> bgAuto{108, 96, 72, 48, 22, 11, 4, 2};
  ASSERT_EQ(calls.size(), 4u) << "mode query and set, configuration query, rates";
  EXPECT_EQ(calls[0].first, OID_CV_802_11_PHY_MODE);
  EXPECT_EQ(calls[1], (std::pair{SetForm(OID_CV_802_11_PHY_MODE), Bytes(uint32_t{0})}));
  EXPECT_EQ(calls[2].first, OID_CV_802_11_STA_CONFIG) << "unchanged: no configuration set";
  EXPECT_EQ(calls[3], (std::pair{SetForm(OID_802_11_DESIRED_RATES), bgAuto}));
  EXPECT_EQ(mode.SelectedIndex(), kModeBgMixed) << "the correction shows";
  EXPECT_EQ(file.Load()->at(0).Text("Wireless Mode"), "0");
  EXPECT_FALSE(apply.IsEnabled());
  // A fixed rate reaching the link is proved against the simulator (StatusIntegrationTest).
}

TEST_F(AdvancePageTest, DamagedSettingsFallBackAndResetReturnsToTheFile) {
  WriteSettings("7", "-1");
  page.awakeFromNib();
  EXPECT_EQ(mode.SelectedIndex(), kModeBgMixed);
  EXPECT_EQ(rate.SelectedText(), "Auto");
  EXPECT_TRUE(burst.on) << "the values that fit are kept";

  WriteSettings("1", "4");
  AdvancePageController fresh{
      state, adapter, {mode, rate, protection, burst, ofdm, apply, reset, radio, picture}, file};
  fresh.awakeFromNib();
  mode.SelectIndex(kModeA);
  fresh.OnSelChangeWirelessMode(nullptr);
  fresh.OnReset(nullptr);
  EXPECT_EQ(mode.SelectedIndex(), kModeB);
  EXPECT_EQ(rate.SelectedText(), "11 Mbps");
}

}  // namespace
}  // namespace netvane
