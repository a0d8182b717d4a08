// Connecting from the site survey page: what the connection record holds as the executor sends
// it, and when nothing is queued at all. The prompts and keys are played against the simulator
// in the integration tests.
#include <gtest/gtest.h>

#include <cstring>

#include "SurveyPageFixture.h"

namespace netvane {
namespace {

using testing::Bytes8;
using testing::InstallScanList;
using testing::Network;

uint32_t U32(const std::vector<uint8_t>& bytes, std::size_t at = 0) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

class ConnectFlowTest : public testing::SurveyPageFixture {
 protected:
  ConnectFlowTest() {
    InstallScanList(state,
                    {{"CorvaneGuest", 1}, {"CorvanePeer", 8, 0, Ndis802_11IBSS, 2457000, -80}});
    page.RefreshAPList(nullptr);
  }
  void Connect(int row) {
    apList.selected = row;
    page.OnConnect(nullptr);
  }
  uint32_t Sent(uint32_t oid) const {
    const auto sets = SetsOf(oid);
    EXPECT_EQ(sets.size(), 1U) << std::hex << oid;
    return sets.empty() ? 0xFFFFFFFF : U32(sets[0].in);
  }
  // The association request, last of every connect.
  testing::FakeCall Association() const {
    const auto sets = Sets();
    return sets.empty() ? testing::FakeCall{} : sets.back();
  }
  bool NothingQueued() const {
    return Sets().empty() && queue.IsEmpty() && profiles.log.empty() && timer.stops == 0;
  }
};

TEST_F(ConnectFlowTest, OpenInfrastructureNeedsNoSheetAndAssociatesByBssid) {
  state.G_bCheckedProfileConnect = 1;
  Connect(0);
  EXPECT_TRUE(sheets.shown.empty());
  EXPECT_EQ(Sent(OID_802_11_DISASSOCIATE), 0U);
  EXPECT_EQ(Sent(OID_802_11_INFRASTRUCTURE_MODE), 1U);
  EXPECT_EQ(Sent(OID_CV_802_11_PREAMBLE), 2U);
  EXPECT_EQ(Sent(OID_802_11_RTS_THRESHOLD), 2347U);
  EXPECT_EQ(Sent(OID_802_11_FRAGMENTATION_THRESHOLD), 0U);
  EXPECT_EQ(Sent(OID_802_11_AUTHENTICATION_MODE), 0U);
  EXPECT_EQ(Sent(OID_802_11_WEP_STATUS), 1U);
  EXPECT_EQ(Sent(OID_CV_802_11_TX_POWER_LEVEL), 100U);
  EXPECT_EQ(Sent(OID_802_11_POWER_MODE), 0U);
  EXPECT_TRUE(SetsOf(OID_802_11_ADD_KEY).empty());
  EXPECT_EQ(Association().selector, SetForm(OID_802_11_BSSID));
  EXPECT_EQ(Association().in, (Bytes8{0x02, 0xC0, 0x7A, 0x00, 0x00, 0x01}));
  EXPECT_TRUE(page.AssociatedByBssid());
  EXPECT_FALSE(page.AssociatedBySsid());

  // The timer is stopped around the task and running again; the active profile stands down.
  EXPECT_EQ(timer.stops, 1);
  EXPECT_TRUE(timer.IsRunning());
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(state.G_bCheckedProfileConnect, 0);
  EXPECT_EQ(profiles.log, std::vector<std::string>{"DisabledActivateProfile"});
}

TEST_F(ConnectFlowTest, AdHocAssociatesBySsidAndKeepsTheDriversChannel) {
  Connect(1);
  EXPECT_TRUE(sheets.shown.empty());
  EXPECT_EQ(Sent(OID_802_11_INFRASTRUCTURE_MODE), 0U);
  const auto config = SetsOf(OID_802_11_CONFIGURATION);
  ASSERT_EQ(config.size(), 1U);
  EXPECT_EQ(U32(config[0].in, offsetof(NDIS_802_11_CONFIGURATION, DSConfig)), 0U);
  const auto ssid = Association();
  EXPECT_EQ(ssid.selector, SetForm(OID_802_11_SSID));
  EXPECT_EQ(U32(ssid.in), 11U);
  EXPECT_EQ(std::string(ssid.in.begin() + 4, ssid.in.begin() + 15), "CorvanePeer");
  EXPECT_TRUE(page.AssociatedBySsid());
}

TEST_F(ConnectFlowTest, NothingIsQueuedWithoutAConnectableSelection) {
  // No row: the alert, and the scan flags are cleared all the same.
  state.G_bBssidListScan = 1;
  state.G_bRescan = 1;
  Connect(-1);
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, "No seleted item");
  EXPECT_EQ(alert.shown[0].informativeText, "Please select an item to connect to.");
  EXPECT_EQ(state.G_bBssidListScan, 0);
  EXPECT_EQ(state.G_bRescan, 0);
  page.OnAddProfile(nullptr);
  EXPECT_EQ(alert.shown.size(), 2U);

  // A row the list no longer holds (fetched anew since the rows were built): nothing at all.
  InstallScanList(state, {{"Only", 1}});
  Connect(3);
  page.OnAddProfile(nullptr);
  EXPECT_EQ(alert.shown.size(), 2U);
  EXPECT_TRUE(profiles.added.empty());
  EXPECT_TRUE(sheets.shown.empty());
  EXPECT_TRUE(NothingQueued());
}

}  // namespace
}  // namespace netvane
