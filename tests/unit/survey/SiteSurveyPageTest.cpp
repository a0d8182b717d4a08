// The access point list and its refresh cycle, and starting a profile from a scanned network.
#include <gtest/gtest.h>

#include "SurveyPageFixture.h"

namespace netvane {
namespace {

using testing::Bytes;
using testing::InstallScanList;
using testing::Network;
using testing::Wpa;

using Row = std::vector<std::string>;
const Row kColumns{"SSID",           "BSSID",      "Signal",     "Channel",
                   "Authentication", "Encryption", "NetworkType"};

class SiteSurveyPageTest : public testing::SurveyPageFixture {
 protected:
  Row Shown(int row) const {
    Row out;
    for (const auto& c : kColumns) out.push_back(apList.rows.at(static_cast<size_t>(row)).at(c));
    return out;
  }
  void Associate(uint8_t tag) {
    driver.Answer(OID_GEN_MEDIA_CONNECT_STATUS, Bytes(uint32_t{NdisMediaStateConnected}));
    driver.Answer(OID_802_11_BSSID, {0x02, 0xC0, 0x7A, 0x00, 0x00, tag});
  }
  void Disassociate() {
    driver.Answer(OID_GEN_MEDIA_CONNECT_STATUS, Bytes(uint32_t{NdisMediaStateDisconnected}));
  }
};

TEST_F(SiteSurveyPageTest, RowsShowEachKindOfNetwork) {
  InstallScanList(state,
                  {
                      {"CorvaneGuest", 1},
                      {"CorvaneLegacy", 2, 1, Ndis802_11Infrastructure, 2437000, -62},
                      {"CorvaneHome", 4, 1, Ndis802_11Infrastructure, 2422000, -55, Wpa(2, 2)},
                      {"CorvaneMesh", 9, 1, Ndis802_11IBSS, 2442000, -77, Wpa(2, 2)},
                      {"", 7, 1, Ndis802_11Infrastructure, 2427000, -68, Wpa(4, 2)},
                      {"Odd", 10, 0, 3, 5180000, -95},
                      {"Stray", 11, 0, Ndis802_11Infrastructure, 2400000, -48},
                  });
  apList.selected = 3;
  ::testing::internal::CaptureStderr();
  page.RefreshAPList(nullptr);
  const std::string stderrText = ::testing::internal::GetCapturedStderr();

  ASSERT_EQ(apList.rows.size(), 7U);
  EXPECT_EQ(Shown(0), (Row{"CorvaneGuest", "02-C0-7A-00-00-01", "100", "1", "Unknow", "Not Use",
                           "Infrastructure"}));
  EXPECT_EQ(Shown(1), (Row{"CorvaneLegacy", "02-C0-7A-00-00-02", "70", "6", "Unknow", "WEP",
                           "Infrastructure"}));
  EXPECT_EQ(Shown(2), (Row{"CorvaneHome", "02-C0-7A-00-00-04", "89", "3", "WPA-PSK", "TKIP",
                           "Infrastructure"}));
  EXPECT_EQ(Shown(3),
            (Row{"CorvaneMesh", "02-C0-7A-00-00-09", "31", "7", "WPA-NONE", "TKIP", "Ad Hoc"}));
  EXPECT_EQ(Shown(4),
            (Row{"", "02-C0-7A-00-00-07", "55", "4", "WPA-PSK", "AES-CCMP", "Infrastructure"}));
  EXPECT_EQ(Shown(5), (Row{"Odd", "02-C0-7A-00-00-0A", "0", "36", "Unknow", "Not Use", "Unknown"}));
  // Off the channel plan: reported, and the rebuild goes on.
  EXPECT_EQ(Shown(6)[3], "?");
  EXPECT_NE(stderrText.find("AccessPointRows.cpp:"), std::string::npos) << stderrText;
  EXPECT_NE(stderrText.find("Invalid parameter not satisfying: FALSE"), std::string::npos);
  EXPECT_EQ(apList.selected, -1) << "a rebuild clears the selection";

  InstallScanList(state, {});
  page.RefreshAPList(nullptr);
  EXPECT_TRUE(apList.rows.empty());
  state.G_pBssidList.reset();
  page.RefreshAPList(nullptr);
  EXPECT_TRUE(apList.rows.empty());
}

TEST_F(SiteSurveyPageTest, TickMarksOnlyTheAssociatedRow) {
  InstallScanList(state, {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}});
  Associate(4);
  page.StartSiteSurveyTimer();
  EXPECT_EQ(timer.interval, 2.0);

  timer.Fire();  // the first tick builds the list, then looks for the network
  EXPECT_EQ(state.G_bCurSelItem, 3);
  ASSERT_EQ(apList.rows.size(), 4U);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(apList.rows[size_t(row)].at("PI"), row == 3 ? "HANDSHAK" : "");
  }
  EXPECT_EQ(state.G_bRescan, 0);
  EXPECT_TRUE(SetsOf(OID_802_11_BSSID_LIST_SCAN).empty());

  // Disconnected: the mark goes at the next redraw, without a reload.
  Disassociate();
  const int reloads = apList.reloads;
  timer.Fire();
  EXPECT_EQ(state.G_bCurSelItem, -1);
  EXPECT_EQ(apList.reloads, reloads);
  EXPECT_EQ(Cell("PI", 3), "");

  // Radio off, or no adapter: no row is marked, and nothing is asked of the BSSID.
  Associate(2);
  state.G_bRadio = 0;
  ForgetCalls();
  timer.Fire();
  EXPECT_EQ(state.G_bCurSelItem, -1);
  for (const auto& c : driver.StructCalls()) EXPECT_NE(c.selector, OID_802_11_BSSID);
  state.G_bRadio = 1;
  state.G_bDeviceExist = 0;
  ForgetCalls();
  timer.Fire();
  EXPECT_TRUE(driver.calls.empty());
}

TEST_F(SiteSurveyPageTest, AssociatedNetworkMissingFromTheListStartsAScanUntilItShows) {
  InstallScanList(state, {{"A", 1}});
  Associate(9);
  timer.interval = 0;
  page.StartSiteSurveyTimer();
  timer.Fire();
  EXPECT_EQ(SetsOf(OID_802_11_BSSID_LIST_SCAN).size(), 1U);
  EXPECT_EQ(state.G_bBssidListScan, 1);
  EXPECT_EQ(state.G_bRescan, 1);
  EXPECT_TRUE(queue.IsEmpty());

  // Scan still pending: the tick does nothing at all, not even the connection check.
  ForgetCalls();
  timer.Fire();
  EXPECT_TRUE(driver.calls.empty());

  // The application's poll collects it; the next tick rebuilds and finds the network.
  state.G_bBssidListScan = 0;
  InstallScanList(state, {{"A", 1}, {"Z", 9}});
  timer.Fire();
  EXPECT_EQ(state.G_bCurSelItem, 1);
  EXPECT_EQ(apList.rows.at(1).at("PI"), "HANDSHAK");
}

TEST_F(SiteSurveyPageTest, AddProfileHandsTheSelectedNetworkToTheEditor) {
  InstallScanList(state, {{"Open", 1, 0, Ndis802_11Infrastructure, 2462000},
                          {"Office", 5, 1, Ndis802_11Infrastructure, 2452000, -66, Wpa(4, 2)},
                          {"Mesh", 9, 1, Ndis802_11IBSS, 2442000, -77, Wpa(2, 2)},
                          {"Stray", 6, 0, Ndis802_11Infrastructure, 2400000}});
  page.RefreshAPList(nullptr);
  for (int row = 0; row < 4; ++row) {
    apList.selected = row;
    ::testing::internal::CaptureStderr();
    page.OnAddProfile(nullptr);
    ::testing::internal::GetCapturedStderr();
  }
  const std::array<uint8_t, 6> mac{0x02, 0xC0, 0x7A, 0x00, 0x00, 0x01};
  EXPECT_EQ(profiles.added.at(0),
            (ScannedNetwork{"Open", mac, Ndis802_11WEPDisabled, Ndis802_11AuthModeOpen, 1, 11}));
  EXPECT_EQ(profiles.added.at(1).authentication, Ndis802_11AuthModeWPAPSK);
  EXPECT_EQ(profiles.added.at(1).encryption, Ndis802_11Encryption3Enabled);
  EXPECT_EQ(profiles.added.at(2).authentication, Ndis802_11AuthModeWPANone);
  EXPECT_EQ(profiles.added.at(2).encryption, Ndis802_11Encryption2Enabled);
  EXPECT_EQ(profiles.added.at(3).channel, 1) << "off the plan: the table's first channel";

  EXPECT_EQ(sheets.shown, std::vector<std::string>(4, "ProfileEditor"));
  EXPECT_EQ(editorTabs.history, std::vector<int>(4, 0));
  EXPECT_EQ(profiles.log.back(), "RefreshProfileList");

  profiles.acceptAdd = false;
  page.OnAddProfile(nullptr);
  EXPECT_EQ(sheets.shown.size(), 4U) << "an editor that declines is not shown";
  EXPECT_TRUE(driver.StructCalls().empty());
}

}  // namespace
}  // namespace netvane
