// Profiles against the real cv7000-sim through the real store files: a profile left active joins
// at start-up and again after the adapter is removed and re-inserted, with no user action. The
// record each kind of profile becomes is proved byte by byte in ProfilePageTest, its requests in
// SiteSurveyPageTest, and a join by activation with netvane-cli, over the same page code.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver/Oids.h"
#include "gui/CompositionRoot.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

ProfileRecord Profile(std::initializer_list<std::pair<const char*, std::string>> values) {
  ProfileRecord r;
  for (const char* key : kProfileKeys) r.Set(key, "");
  r.Set("Network Type", "1");
  r.Set("Channel", "1");
  r.Set("RTS Threshold", "2347");
  r.Set("Fragmentation Threshold", "2346");
  for (const auto& [key, value] : values) r.Set(key, value);
  return r;
}

const ProfileRecord kHome = Profile({{"Profile Name", "Home"},
                                     {"SSID", "CorvaneHome"},
                                     {"BSSID", "02C07A000004"},
                                     {"Authentication Type", "2"},
                                     {"Encryption Type", "0"},
                                     {"WPAPSK", "home sweet corvane"}});
const ProfileRecord kPeer =
    Profile({{"SSID", "CorvanePeer"}, {"Network Type", "0"}, {"Channel", "10"}});

// The network the adapter reports joined, as its MAC address; nullopt when none.
std::optional<std::string> Joined(CV7000Access& adapter) {
  NDIS_MEDIA_STATE media{};
  uint8_t bssid[kMacLength]{};
  uint32_t n = 0;
  if (!adapter.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, sizeof media, &n) ||
      media != NdisMediaStateConnected ||
      !adapter.OidQueryInformation(OID_802_11_BSSID, bssid, sizeof bssid, &n)) {
    return std::nullopt;
  }
  char text[18];
  std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", bssid[0], bssid[1], bssid[2],
                bssid[3], bssid[4], bssid[5]);
  return text;
}

class ProfileStartUpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  // Leaves the profiles as an earlier run of the program would have: the copy of Home active,
  // whose pass phrase has been changed in the list since (so a join proves the copy was used,
  // as it must be).
  static void EarlierRun() {
    prefs::PrefsFolder folder;
    prefs::UserDefaults defaults(folder);
    ProfileStore store(defaults, folder);
    ProfileRecord edited = kHome;
    edited.Set("WPAPSK", "not the pass phrase");
    store.SaveProfileRecords({kPeer, edited});
    ProfileRecordList active;
    store.SaveActiveProfile(active, MakeActiveRecord(kHome, true, 1));
  }

  testing::SimHarness sim;
};

TEST_F(ProfileStartUpTest, AnActiveProfileJoinsAtStartUpAndAfterEveryReinsertion) {
  EarlierRun();
  sim.Start();
  gui::CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  root.SetUp();
  EXPECT_EQ(Joined(root.Adapter()), "02:c0:7a:00:00:04");
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
  EXPECT_EQ(Joined(root.Adapter()), "02:c0:7a:00:00:04") << "joined again, untouched";
}

}  // namespace
}  // namespace netvane
