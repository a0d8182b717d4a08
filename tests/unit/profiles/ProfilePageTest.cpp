// The profile page over fakes with the real store on a temporary folder: the record a stored
// profile becomes, the rows and their mark, deleting and activation. The start-up reconnection
// is proved against the simulator (tests/integration/ProfileIntegrationTest.cpp).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "crypto/MathFunc.h"
#include "driver/CV7000Access.h"
#include "fake_driver/FakeUserClient.h"
#include "profiles/BuildProfileData.h"
#include "profiles/ProfilePageController.h"
#include "support/MarkingCatalogue.h"
#include "support/TempFolder.h"
#include "support/survey/SurveyRig.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeSheetRunner.h"
#include "support/ui/FakeTableView.h"
#include "support/ui/ManualTimer.h"

namespace netvane {
namespace {

ProfileRecord Profile(std::initializer_list<std::pair<const char*, std::string>> values) {
  ProfileRecord r;
  for (const auto& [key, value] : values) r.Set(key, value);
  return r;
}

NDIS_802_11_KEY Header(const system::SecretBytes& block) {
  NDIS_802_11_KEY key{};
  std::memcpy(&key, block.data(), kKeyHeaderLength);
  return key;
}

TEST(ProfileRecordTest, NumbersReadTheForgivingWayAndSaturate) {
  const std::pair<const char*, int32_t> cases[] = {{" \t\n-7x", -7},
                                                   {"6 (2437 MHz)", 6},
                                                   {"- 5", 0},
                                                   {"99999999999999999999", INT32_MAX},
                                                   {"-2147483649", INT32_MIN}};
  for (const auto& [text, value] : cases) EXPECT_EQ(IntValue(text), value) << text;
}

TEST(BuildProfileDataTest, TurnsEveryKindOfProfileIntoItsRecord) {
  auto adHoc = BuildProfileData(Profile({{"Network Type", "0"}, {"Channel", "6 (2437 MHz)"}}));
  EXPECT_EQ(adHoc->bBssid, 0);
  EXPECT_EQ(uint32_t{adHoc->lFreq}, 2437000u);
  EXPECT_EQ(adHoc->bDisassociate, 1);

  // A typed SSID has no BSSID, and a damaged one is never read past its end: by SSID.
  for (const char* bssid : {"", "0011", "0011223344ZZ"}) {
    EXPECT_EQ(BuildProfileData(Profile({{"Network Type", "1"}, {"BSSID", bssid}}))->bBssid, 0)
        << bssid;
  }
  // No ad hoc channel: no frequency rather than a neighbour's, so the executor
  // leaves the driver's configuration alone.
  EXPECT_EQ(uint32_t{BuildProfileData(Profile({{"Network Type", "0"}, {"Channel", "15"}}))->lFreq},
            0u);

  // WEP keys 1 and 3, key 3 transmits; one key has a zero byte inside.
  auto wep = BuildProfileData(Profile({{"Authentication Type", "0"},
                                       {"Encryption Type", "1"},
                                       {"WEPKey1", std::string("\xaa\x00\xbb\xcc\xdd", 5)},
                                       {"WEPKey3", "abcdefghijklm"},
                                       {"WEPKeyUse", "2"}}));
  EXPECT_EQ(NDIS_802_11_WEP_STATUS{wep->enumEncryStatus}, Ndis802_11WEPEnabled);
  const std::array<uint32_t, 4> lengths = wep->lWEPKeyLen;
  EXPECT_EQ(lengths, (std::array<uint32_t, 4>{44, 0, 52, 0}));
  EXPECT_EQ(Header(wep->pWEPKey[0]).KeyLength, 5u);
  EXPECT_EQ(wep->pWEPKey[0][kKeyHeaderLength + 4], 0xDD) << "all five bytes, past the zero";
  EXPECT_EQ(Header(wep->pWEPKey[2]).KeyIndex, 2u | kKeyIndexTransmit);
}

// The pass phrase's path to a join is proved against the simulator (ProfileIntegrationTest);
// here, a hand-edited SSID over 32 bytes, cut for the association and for the salt alike, and
// WPA-PSK on an ad hoc network.
TEST(BuildProfileDataTest, AnOverlongSsidIsCutForTheSaltAndAdHocPskIsWpaNone) {
  const std::string longSsid(40, 's');
  auto d = BuildProfileData(Profile({{"Authentication Type", "2"},
                                     {"Encryption Type", "1"},
                                     {"Network Type", "1"},
                                     {"SSID", longSsid},
                                     {"WPAPSK", "pass phrase"}}));
  EXPECT_EQ(uint32_t{d->SSID.SsidLength}, 32u);
  std::vector<uint8_t> hashed(40);
  crypto::PasswordHash("pass phrase", reinterpret_cast<const uint8_t*>(longSsid.data()),  // NOLINT
                       32, hashed.data());
  EXPECT_EQ(std::vector<uint8_t>(d->pWPAKey.begin() + kKeyHeaderLength,
                                 d->pWPAKey.begin() + kKeyHeaderLength + kPskLength),
            std::vector<uint8_t>(hashed.begin(), hashed.begin() + kPskLength));
  auto none = BuildProfileData(Profile({{"Authentication Type", "2"}, {"Network Type", "0"}}));
  EXPECT_EQ(NDIS_802_11_AUTHENTICATION_MODE{none->enumAuthenMode}, Ndis802_11AuthModeWPANone);
  EXPECT_EQ(NDIS_802_11_WEP_STATUS{none->enumEncryStatus}, Ndis802_11Encryption2Enabled);
}

// Records what activation asks of the site survey page.
class RecordingTarget : public ConnectionTarget {
 public:
  explicit RecordingTarget(SharedState& state) : state_(state) {}
  void StopSiteSurveyTimer() override { log.emplace_back("stop"); }
  void SetTaskQueue(std::unique_ptr<PROFILE_DATA> record) override {
    log.emplace_back(state_.G_bBssidListScan == 0 ? "queue" : "queue behind a pending scan");
    ssids.emplace_back(reinterpret_cast<const char*>(record->SSID.Ssid),  // NOLINT bytes
                       std::size_t{record->SSID.SsidLength});
  }
  void DoTask() override { log.emplace_back("do"); }
  void StartSiteSurveyTimer() override { log.emplace_back("start"); }
  void resetFlag() override { log.emplace_back("resetFlag"); }
  std::vector<std::string> log;
  std::vector<std::string> ssids;

 private:
  SharedState& state_;
};

class ProfilePageTest : public ::testing::Test {
 protected:
  ProfilePageTest() {
    state.G_bDeviceExist = 1;
    page.SetSiteSurvey(target);
    page.awakeFromNib();
  }
  void Store(const ProfileRecordList& records) {
    store.SaveProfileRecords(records);
    page.RefreshProfileList();
  }
  ProfileRecord Stored() { return store.LoadActiveProfile({}).at(0); }
  std::vector<std::string> Marks() {
    table.Reload();
    std::vector<std::string> marks;
    for (const auto& row : table.rows) marks.push_back(row.at("PI"));
    return marks;
  }

  testing::TempFolder temp;
  prefs::PrefsFolder folder{temp.File("netvane")};
  prefs::UserDefaults defaults{folder};
  ProfileStore store{defaults, folder};
  SharedState state;
  testing::FakeUserClient driver;
  testing::FakeAlert alert;
  CV7000Access adapter{state, driver, alert, [](unsigned) {}};
  testing::FakeTableView table{
      {"PI", "Profile", "SSID", "Channel", "AuthenType", "Encryption", "NetworkType"}};
  testing::ManualTimer timer;
  testing::FakeSheetRunner sheets;
  testing::RecordingProfiles editor;
  testing::FakeWindow editorWindow{"ProfileEditor"};
  ProfilePageController page{state, adapter, store, table, timer, {sheets, editor, editorWindow},
                             alert};
  RecordingTarget target{state};
};

// Words come from the catalogue and depend on the authentication; cipher names stay as they
// are, and a number no word fits shows as it is.
TEST_F(ProfilePageTest, RowsShowTheStoredProfilesInWords) {
  const testing::MarkingCatalogue marking;
  Store({Profile({{"Authentication Type", "0"}, {"Encryption Type", "1"}, {"Network Type", "1"}}),
         Profile({{"Authentication Type", "3"}, {"Encryption Type", "0"}, {"Network Type", "0"}}),
         Profile({{"Authentication Type", "1"}, {"Encryption Type", "0"}, {"Network Type", "1"}}),
         Profile({{"Authentication Type", "5"}, {"Encryption Type", "x"}, {"Network Type", "2"}})});
  std::vector<std::string> rows;
  for (const auto& cells : table.rows) {
    rows.push_back(cells.at("AuthenType") + "/" + cells.at("Encryption") + "/" +
                   cells.at("NetworkType"));
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "[ProfilePage] Open/WEP/[ProfilePage] Infrastructure",
                      "WPA2-PSK/TKIP/[ProfilePage] Ad Hoc",
                      "[ProfilePage] Shared/[ProfilePage] UnKnown/[ProfilePage] Infrastructure",
                      "5/x/2"}));
  EXPECT_EQ(Marks(), std::vector<std::string>(4, "")) << "nothing active yet";
}

TEST_F(ProfilePageTest, ActivationAppliesStoresAndMarksAndAManualConnectStandsItDown) {
  Store({Profile({{"SSID", "Zero"}}), Profile({{"SSID", "One"}}), Profile({{"SSID", "Two"}})});
  page.OnActivate(nullptr);
  EXPECT_TRUE(target.log.empty()) << "no selected row: nothing";

  state.G_bBssidListScan = 1;  // a scan started by an earlier task is still pending
  table.DoubleClick(2);
  EXPECT_EQ(target.log, (std::vector<std::string>{"stop", "queue", "do", "start", "resetFlag"}));
  EXPECT_EQ(target.ssids.back(), "Two");
  ProfileRecord active = Stored();
  EXPECT_EQ(active.Text("Active Profile Flag"), "YES");
  EXPECT_EQ(active.Text("Selected"), "2");
  EXPECT_EQ(Marks(), (std::vector<std::string>{"", "", "CHECKMRK"}));

  // At the next start the stored row is only a mark: one that no longer exists marks nothing,
  // and the stored copy is applied all the same.
  ProfileRecordList stored = store.LoadActiveProfile({});
  store.SaveActiveProfile(stored, MakeActiveRecord(stored[0], true, 7));
  page.RefreshProfileList();
  page.CheckProfileSettingForConnect();
  EXPECT_EQ(page.CurrentSelected(), -1);
  EXPECT_EQ(target.ssids.back(), "Two");
  EXPECT_EQ(Marks(), (std::vector<std::string>{"", "", ""}));
  table.selected = 2;
  page.OnActivate(nullptr);

  state.G_bCheckedProfileConnect = 0;  // what a manual connect does first
  page.DisabledActivateProfile();
  EXPECT_EQ(Stored().Text("Active Profile Flag"), "NO");
  EXPECT_EQ(Stored().Text("Selected"), "2");
  EXPECT_EQ(Marks(), (std::vector<std::string>{"", "", "UNCHECKMRK"}));
  const std::size_t sent = target.log.size();
  page.RefreshProfileList();
  page.CheckProfileSettingForConnect();
  EXPECT_EQ(target.log.size(), sent) << "a stood-down profile is not applied at the next start";
}

// That each change starts from the file as it is now is the store's (ProfileStoreTest); here, what
// the page does when the row it shows is gone.
TEST_F(ProfilePageTest, AChangeByAnotherProgramIsNeverWrittenBack) {
  Store({Profile({{"SSID", "Home"}})});
  prefs::UserDefaults otherDefaults{folder};
  ProfileStore other{otherDefaults, folder};
  ASSERT_TRUE(other.SaveProfileRecords({Profile({{"SSID", "Front"}})}).Saved());
  page.ActivateRow(0);
  EXPECT_TRUE(target.log.empty());
  EXPECT_TRUE(store.Load().active.empty());
  EXPECT_EQ(table.rows.at(0).at("SSID"), "Front");
}

TEST_F(ProfilePageTest, SavesThatFailAndFilesThatCannotBeReadAreShownInAlerts) {
  Store({Profile({{"SSID", "Home"}})});
  // The lock file where the page's next save must take it is a folder: every save fails.
  const std::string lock = folder.FileNamed(".lock");
  std::filesystem::remove(lock);
  std::filesystem::create_directory(lock);
  table.selected = 0;
  page.OnActivate(nullptr);
  ASSERT_EQ(alert.shown.size(), 1u);
  EXPECT_EQ(alert.shown[0].message, "Could not activate the profile");
  EXPECT_TRUE(target.log.empty()) << "nothing sent for an activation not stored";
  EXPECT_EQ(state.G_bCheckedProfileConnect, 0);
  std::filesystem::remove(lock);

  std::filesystem::remove(folder.FileNamed(prefs::UserDefaults::kDomainFile));
  std::filesystem::create_directory(folder.FileNamed(prefs::UserDefaults::kDomainFile));
  page.RefreshProfileList();
  page.RefreshProfileList();
  ASSERT_EQ(alert.shown.size(), 2u) << "once, not at every refresh";
  EXPECT_EQ(alert.shown[1].message, "Could not read the profiles");
  EXPECT_NE(alert.shown[1].informativeText.find("not a regular file"), std::string::npos);
}

}  // namespace
}  // namespace netvane
