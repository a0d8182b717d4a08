// Profiles against the real cv7000-sim through the real store files: a profile left active joins
// at start-up and again after the adapter is removed and re-inserted, with no user action. The
// record each kind of profile becomes is proved byte by byte in ProfilePageTest, its requests in
// SiteSurveyPageTest, and a join by activation with netvane-cli, over the same page code.
#include <gtest/gtest.h>

#include <string>

#include "gui/CompositionRoot.h"
#include "support/JoinedNetwork.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"
#include "support/StoredProfiles.h"

namespace netvane {
namespace {

using testing::FullProfile;

const ProfileRecord kHome = FullProfile({{"Profile Name", "Home"},
                                         {"SSID", "CorvaneHome"},
                                         {"BSSID", "02C07A000004"},
                                         {"Authentication Type", "2"},
                                         {"Encryption Type", "0"},
                                         {"WPAPSK", "home sweet corvane"}});
const ProfileRecord kPeer =
    FullProfile({{"SSID", "CorvanePeer"}, {"Network Type", "0"}, {"Channel", "10"}});

class ProfileStartUpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  // Leaves the profiles as an earlier run of the program would have: the copy of Home active,
  // whose pass phrase has been changed in the list since (so a join proves the copy was used,
  // as it must be).
  static void EarlierRun() {
    ProfileRecord edited = kHome;
    edited.Set("WPAPSK", "not the pass phrase");
    testing::StoreProfiles({kPeer, edited}, &kHome, 1);
  }

  testing::SimHarness sim;
};

TEST_F(ProfileStartUpTest, AnActiveProfileJoinsAtStartUpAndAfterEveryReinsertion) {
  EarlierRun();
  sim.Start();
  gui::CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  root.SetUp();
  EXPECT_EQ(testing::JoinedTag(root.Adapter()), 0x04);
  EXPECT_EQ(root.ProfilePage().CurrentSelected(), 1);

  // Removed while a scan it was asked for is still pending.
  root.SiteSurvey().OnRescan(nullptr);
  ASSERT_EQ(root.State().G_bBssidListScan, 1);
  ASSERT_EQ(sim.Stop(), 0);
  root.Controller().OnTimer();
  ASSERT_EQ(root.State().G_bDeviceExist, 0);
  sim.ClearTrace();
  sim.Start();  // a new adapter, joined to nothing
  root.Controller().OnTimer();
  EXPECT_EQ(testing::JoinedTag(root.Adapter()), 0x04) << "joined again, untouched";
}

}  // namespace
}  // namespace netvane
