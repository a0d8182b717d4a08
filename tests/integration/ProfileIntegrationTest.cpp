// Profiles against the real cv7000-sim through the real store files: activating a profile of
// each kind sends exactly the record's requests and joins; a profile left active joins at
// start-up and again after the adapter is removed and re-inserted, with no user action.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/Oids.h"
#include "gui/CompositionRoot.h"
#include "platform/userclient/SocketUserClient.h"
#include "profiles/ProfilePageController.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"
#include "support/survey/ApplySequence.h"
#include "support/survey/SurveyRig.h"

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
const ProfileRecord kLegacy = Profile({{"SSID", "CorvaneLegacy"},
                                       {"BSSID", "02C07A000002"},
                                       {"Encryption Type", "1"},
                                       {"WEPKey1", "\xa1\xb2\xc3\xd4\xe5"}});
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

std::vector<std::string> StructSelectors(const testing::SimHarness& sim) {
  std::vector<std::string> selectors;
  for (const nlohmann::json& line : sim.Trace()) {
    if (line.value("call", "") == "struct") selectors.push_back(line.value("selector", ""));
  }
  return selectors;
}

TEST(ProfileIntegrationTest, ActivatingEachKindSendsItsRecordAndJoins) {
  testing::SimHarness sim;  // first: its own registry and preferences folder
  sim.Start();
  userclient::SocketUserClient client;
  testing::SurveyRig rig(client);
  rig.state.G_bDeviceExist = 1;
  prefs::PrefsFolder folder;
  prefs::UserDefaults defaults(folder);
  ProfileStore store(defaults, folder);
  store.SaveProfileRecords({kHome, kLegacy, kPeer});
  testing::FakeTableView table{{"PI", "Profile", "SSID"}};
  ProfilePageController page(rig.state, rig.adapter, store, table, rig.timer,
                             {rig.sheets, rig.profiles, rig.editorWindow}, rig.alert);
  page.SetSiteSurvey(rig.page);
  page.awakeFromNib();
  page.RefreshProfileList();

  const uint32_t add = OID_802_11_ADD_KEY;
  const uint32_t remove = OID_802_11_REMOVE_KEY;
  struct Case {
    int row;
    std::vector<uint32_t> keys;
    bool adHoc;
    const char* joins;
  };
  for (const Case& c : {Case{0, {OID_CV_802_11_ADD_WPA}, false, "02:c0:7a:00:00:04"},
                        Case{1, {add, remove, remove, remove}, false, "02:c0:7a:00:00:02"},
                        Case{2, {}, true, "02:c0:7a:00:00:08"}}) {
    SCOPED_TRACE(c.row);
    sim.ClearTrace();
    table.DoubleClick(c.row);
    EXPECT_EQ(StructSelectors(sim), testing::ApplySelectors(c.keys, c.adHoc, c.adHoc));
    EXPECT_EQ(Joined(rig.adapter), c.joins);
  }
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
