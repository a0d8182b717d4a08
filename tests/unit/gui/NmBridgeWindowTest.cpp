// The real window, offscreen through the real composition root, against netvane-nm-bridge and
// the NetworkManager double: a WPA2-PSK join through the sheet as NetworkManager receives it,
// throughput from NetworkManager's byte counts and Reset Counters, the radio button, and the
// adapter removed and back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <nlohmann/json.hpp>

#include "driver/Oids.h"
#include "driver/Records.h"
#include "gui/CompositionRoot.h"
#include "support/JoinedNetwork.h"
#include "support/PskKey.h"
#include "support/QtTestApp.h"
#include "support/nm/NmBridgeHarness.h"
#include "support/nm/NmDouble.h"

namespace netvane {
namespace {

using nlohmann::json;

constexpr const char* kDevice = "/org/freedesktop/NetworkManager/Devices/wlp2s0";
const std::string kSsid = "Lantern \xce\xa9";  // UTF-8 bytes, as NetworkManager hands them

class NmBridgeWindowTest : public ::testing::Test {
 protected:
  // One double and one bridge for every case: starting them is the slow part.
  static void SetUpTestSuite() {
    testing::QtTestApp();
    nm = new testing::NmDouble;
    nm->AddDevice("wlp2s0", "02:00:5E:10:00:01");
    nm->AddAccessPoint(kDevice, "home", kSsid, "02:1A:11:F0:00:02", 5180, 80,
                       {{"rsn_flags", 0x188}});
    bridge = new testing::NmBridgeHarness(*nm);  // points the registry at its own folder
  }
  static void TearDownTestSuite() {
    delete bridge;
    delete nm;
  }
  void SetUp() override {
    root.emplace(gui::RootOptions{nullptr, [](unsigned) {}, {}, {}});
    root->SetUp();
    root->Window().show();
  }

  void Tick() {
    for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  }
  CV_802_11_LINK_STATUS Link() {
    CV_802_11_LINK_STATUS link{};
    uint32_t returned = 0;
    root->Adapter().OidQueryInformation(OID_CV_802_11_QUERY_LINK_STATUS, &link, sizeof link,
                                        &returned);
    return link;
  }
  std::string Tooltip() { return root->Desktop().Tray().Icon().toolTip().toStdString(); }

  inline static testing::NmDouble* nm = nullptr;
  inline static testing::NmBridgeHarness* bridge = nullptr;
  std::optional<gui::CompositionRoot> root;
};

TEST_F(NmBridgeWindowTest, Wpa2JoinThroughTheSheetThenThroughputAndResetCounters) {
  QTableView* table = root->Window().siteSurvey.ApList;
  ASSERT_EQ(table->model()->rowCount(), 1);
  EXPECT_EQ(table->model()->index(0, 1).data().toString(), QString::fromStdString(kSsid));
  EXPECT_EQ(table->model()->index(0, 5).data().toString(), "WPA2-PSK");
  root->Sheets().SetOnShown([](QDialog& sheet) {
    EXPECT_EQ(sheet.findChild<QComboBox*>("AuthenType")->currentText(), "WPA2-PSK");
    QTest::keyClicks(sheet.findChild<QLineEdit*>("WPAPreSharedKey"), "lanterns at dusk");
    QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
  });
  table->selectRow(0);
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);

  const json calls = nm->Calls("AddAndActivateConnection2");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0][0]["802-11-wireless-security"]["psk"],
            testing::PskHex("lanterns at dusk", kSsid));
  EXPECT_EQ(calls[0][0]["802-11-wireless"]["ssid"], testing::SsidBytes(kSsid));
  EXPECT_TRUE(testing::Eventually([&] { return testing::JoinedTag(root->Adapter()) == 0x02; }));

  // 250 bytes a tick is 1 kbit/s; the bytes reach the bridge by a signal of their own.
  Tick();
  nm->Command(
      {{"cmd", "set_statistics"}, {"dev", kDevice}, {"tx_bytes", 250000}, {"rx_bytes", 500000}});
  ASSERT_TRUE(testing::Eventually([&] { return Link().RxByteCount == 500000; }));
  Tick();
  EXPECT_EQ(root->Window().linkStatus.ThroughputTx->text(), "1000.0");
  EXPECT_EQ(root->Window().linkStatus.ThroughputRx->text(), "2000.0");
  EXPECT_EQ(Tooltip().substr(0, 22), "Netvane: " + kSsid + ": l");

  // The page shows zeros at once; the next reading is the bridge's, from its new baseline.
  bridge->SetCounter("wlp2s0", "rx_packets", 900);
  Tick();
  EXPECT_EQ(root->Window().statistics.FRS->text(), "900");
  QTest::mouseClick(root->Window().statistics.ResetCounter, Qt::LeftButton);
  bridge->SetCounter("wlp2s0", "rx_packets", 912);
  Tick();
  EXPECT_EQ(root->Window().statistics.FRS->text(), "12");
  EXPECT_EQ(Link().RxByteCount, 0u) << "the byte counts restart too";
}

TEST_F(NmBridgeWindowTest, TheRadioButtonSwitchesNetworkManagersWireless) {
  QPushButton* radio = root->Window().advance.Radio;
  EXPECT_EQ(radio->text(), "&Radio Off");
  QTest::mouseClick(radio, Qt::LeftButton);
  EXPECT_FALSE(nm->WirelessEnabled());
  EXPECT_EQ(radio->text(), "&Radio On");
  QTest::mouseClick(radio, Qt::LeftButton);
  EXPECT_TRUE(nm->WirelessEnabled());
}

TEST_F(NmBridgeWindowTest, ADeviceRemovedShowsNoAdapterUntilItComesBack) {
  Tick();
  nm->Command({{"cmd", "remove_device"}, {"dev", kDevice}});
  ASSERT_TRUE(bridge->AwaitSocket("wlp2s0", false));
  root->Controller().OnTimer();
  Tick();
  EXPECT_EQ(Tooltip(), "Netvane: No adapter");

  nm->AddDevice("wlp2s0", "02:00:5E:10:00:01");
  ASSERT_TRUE(bridge->AwaitSocket("wlp2s0", true));
  root->Controller().OnTimer();
  Tick();
  EXPECT_EQ(Tooltip(), "Netvane: Disconnected");
}

}  // namespace
}  // namespace netvane
