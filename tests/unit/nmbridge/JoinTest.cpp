// Runs of sets as the site survey sends them: what the bridge refuses before asking
// NetworkManager anything, what a disassociation leaves of a run, and an ad hoc join. The
// settings of ordinary joins are checked end to end against the NetworkManager double.
#include <gtest/gtest.h>

#include "survey/KeyBlock.h"
#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::Ap;
using testing::Bridge;
using userclient::kStatusError;
using userclient::kStatusSuccess;

uint32_t Associate(Bridge& b, const std::string& name) {
  NDIS_802_11_SSID s{};
  s.SsidLength = static_cast<uint32_t>(name.size());
  std::copy(name.begin(), name.end(), s.Ssid);
  return b.Set(OID_802_11_SSID, driverkit::ToBytes(s));
}

DeviceState WithNetworks() {
  DeviceState d = testing::Device();
  d.accessPoints = {Ap("/ap/1", "Home", 1, 2437)};
  return d;
}

void WpaPsk(Bridge& b, uint32_t auth) {
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, auth), kStatusSuccess);
  const auto block = MakeWpaKeyBlock(std::array<uint8_t, kPskLength>{1});  // as the survey sends
  EXPECT_EQ(b.Set(OID_CV_802_11_ADD_WPA, {block.begin(), block.end()}), kStatusSuccess);
}

TEST(Join, RefusedBeforeAnyCall) {
  Bridge b(WithNetworks());
  // An access point NetworkManager has not heard cannot be joined: the set carries no name.
  EXPECT_EQ(b.Set(OID_802_11_BSSID, {0x02, 0x11, 0x22, 0x33, 0x44, 9}), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());
  // A refused mode or authentication refuses the run's association too, not a weaker join.
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11AutoUnknown), kStatusError);
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11Infrastructure), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeWPANone), kStatusError);
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  // WPA in ad hoc mode.
  WpaPsk(b, Ndis802_11AuthModeWPAPSK);
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS), kStatusSuccess);
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  // WEP with no key.
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeOpen), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled), kStatusSuccess);
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());
  EXPECT_TRUE(b.lines.empty());
}

TEST(Join, PolkitRefusalSaidOnceWithoutACall) {
  Bridge b(WithNetworks());
  ManagerState m;
  m.permissions[kActionNetworkControl] = "no";
  m.permissions[kActionWifiScan] = "auth";  // no agent to ask
  b.snapshot.SetManager(m);
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  EXPECT_EQ(b.SetU32(OID_802_11_BSSID_LIST_SCAN, 0), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());
  EXPECT_EQ(b.actions.scans, 0);
  // Its words are checked where a person reads them (NmBridgeCliTest).
  ASSERT_EQ(b.lines.size(), 2U);

  // Refused by the call itself: said again only once a success has granted the action, and a
  // call that timed out is no refusal.
  m.permissions[kActionNetworkControl] = "yes";
  b.snapshot.SetManager(m);
  for (const ActionOutcome outcome :
       {ActionOutcome::kDenied, ActionOutcome::kDone, ActionOutcome::kTimedOut}) {
    b.actions.next.outcome = outcome;
    EXPECT_EQ(Associate(b, "Home"),
              outcome == ActionOutcome::kDone ? kStatusSuccess : kStatusError);
  }
  EXPECT_EQ(b.lines.size(), 2U);
  b.actions.next.outcome = ActionOutcome::kDenied;
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  EXPECT_EQ(b.lines.size(), 3U);
  EXPECT_EQ(b.lines.back(), b.lines.front());
}

TEST(Join, DisassociateDropsThePendingKeys) {
  Bridge b(WithNetworks());
  WpaPsk(b, Ndis802_11AuthModeWPA2PSK);
  EXPECT_EQ(b.SetU32(OID_802_11_DISASSOCIATE, 0), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeWPA2PSK), kStatusSuccess);
  EXPECT_EQ(Associate(b, "Home"), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());

  // The next run starts open.
  EXPECT_EQ(b.SetU32(OID_802_11_DISASSOCIATE, 0), kStatusSuccess);
  EXPECT_EQ(Associate(b, "Home"), kStatusSuccess);
  ASSERT_EQ(b.actions.joins.size(), 1U);
  EXPECT_FALSE(b.actions.joins[0].security);
}

TEST(Join, AdhocOnlyOnA24GHzChannel) {
  Bridge b(WithNetworks());
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS), kStatusSuccess);
  NDIS_802_11_CONFIGURATION c{};
  c.Length = sizeof c;
  c.DSConfig = 5180000;
  EXPECT_EQ(b.Set(OID_802_11_CONFIGURATION, driverkit::ToBytes(c)), kStatusError);
  c.DSConfig = 2462000;
  EXPECT_EQ(b.Set(OID_802_11_CONFIGURATION, driverkit::ToBytes(c)), kStatusSuccess);
  EXPECT_EQ(Associate(b, "Party"), kStatusSuccess);
  ASSERT_EQ(b.actions.joins.size(), 1U);
  EXPECT_EQ(b.actions.joins[0].mode, "adhoc");
  EXPECT_EQ(b.actions.joins[0].channel, 11U);
  EXPECT_EQ(b.actions.joins[0].band, "bg");
}

}  // namespace
}  // namespace netvane::nmbridge
