// The profile editor over in-memory controls with the real store on a temporary folder: the
// proposed name, the three openings, the record OK stores, and what one profile must never
// carry over from another.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "profiles/ProfileEditorController.h"
#include "support/TempFolder.h"
#include "support/survey/ScanListBuilder.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"
#include "support/ui/FakeSheetRunner.h"

namespace netvane {
namespace {

using testing::FakeChoiceList;
using testing::FakeTextField;
using testing::FakeToggle;

TEST(NextProfileNameTest, OneMoreThanTheHighestNumberAfterProf) {
  const auto next = [](std::vector<std::string> names) {
    ProfileRecordList records;
    for (const std::string& n : names) records.emplace_back().Set("Profile Name", n);
    return NextProfileName(records);
  };
  EXPECT_EQ(next({}), "PROF1");
  EXPECT_EQ(next({"PROF1", "prof7", "Office"}), "PROF8");
  EXPECT_EQ(next({"MYPROF9", "PROF-3"}), "PROF1") << "read at character 4; negatives never count";
  EXPECT_EQ(next({"PROF2147483647"}), "PROF2147483648");
}

class ProfileEditorTest : public ::testing::Test {
 protected:
  ProfileEditorTest() {
    ssid.editable = true;
    network.entries = {"Ad Hoc", "Infrastructure"};
    authen.entries = {"Open System", "Shared Key", "WPA-PSK"};
    preamble.entries = {"Long", "Short", "Auto"};
    power.entries = {"100%", "75%", "50%", "25%", "12%"};
    for (int ch = 1; ch <= 14; ++ch) channel.entries.push_back(std::to_string(ch));
    for (FakeChoiceList& type : keyTypes) type.entries = {"Hexadecimal", "ASCII"};
    FakeToggle::Group({&radios[0], &radios[1], &radios[2], &radios[3]});
    testing::InstallScanList(state, {{"CorvaneHome", 0x04}, {"CorvanePeer", 0x08}});
    editor.awakeFromNib();
  }

  // Presses OK inside the modal run, as the user would; the run's code.
  int Ok() {
    sheets.Then([this] { editor.OnOK(nullptr); });
    return sheets.Run(window);
  }
  ProfileRecord Stored(std::size_t row) { return store.LoadProfileRecords().at(row); }

  testing::TempFolder temp;
  prefs::PrefsFolder folder{temp.File("netvane")};
  prefs::UserDefaults defaults{folder};
  ProfileStore store{defaults, folder};
  SharedState state;
  testing::FakeAlert alert;
  testing::FakeSheetRunner sheets;
  testing::FakeWindow window{"ProfileEditor"};
  testing::FakeTabView tabs;
  FakeTextField name, psk, rtsText{}, fragText{};
  FakeChoiceList ssid, network, channel, authen, encry, preamble, power;
  std::array<FakeChoiceList, 4> keyTypes;
  std::array<FakeTextField, 4> keyTexts;
  std::array<FakeToggle, 4> radios;
  FakeToggle psMode, cam, rtsCheck, fragCheck;
  testing::FakeSlider rtsSlider{2347}, fragSlider{2346};
  ProfileEditorController editor{{name,
                                  ssid,
                                  network,
                                  channel,
                                  {authen,
                                   encry,
                                   {&keyTypes[0], &keyTypes[1], &keyTypes[2], &keyTypes[3]},
                                   {&keyTexts[0], &keyTexts[1], &keyTexts[2], &keyTexts[3]},
                                   {&radios[0], &radios[1], &radios[2], &radios[3]},
                                   psk},
                                  preamble,
                                  power,
                                  psMode,
                                  cam,
                                  rtsCheck,
                                  rtsSlider,
                                  rtsText,
                                  fragCheck,
                                  fragSlider,
                                  fragText,
                                  tabs},
                                 alert,
                                 sheets,
                                 store,
                                 state};
};

TEST_F(ProfileEditorTest, FromScanThePickedNetworkAndItsAddressTypedNoAddress) {
  ASSERT_TRUE(editor.AddProfile({"CorvaneHome",
                                 {0x02, 0xC0, 0x7A, 0, 0, 0x04},
                                 Ndis802_11Encryption2Enabled,
                                 Ndis802_11AuthModeWPAPSK,
                                 1,
                                 3}));
  // The name and address from the scan reach the store through the real dialog (ConnectTest).
  psk.text = "home sweet corvane";
  EXPECT_EQ(Ok(), ui::kModalOK);
  // Every key of a profile, whatever the security: a missing one reads back as another value.
  const ProfileRecord home = Stored(0);
  std::set<std::string> keys;
  for (const auto& e : home.Entries()) keys.insert(e.key);
  EXPECT_EQ(keys, std::set<std::string>(kProfileKeys.begin(), kProfileKeys.end()));
  EXPECT_EQ(home.Text("Channel"), "3");

  // A WPA-None network becomes WPA-PSK on an ad hoc network (activation makes it WPA-None);
  // a name typed over the picked one has no address.
  editor.AddProfile(
      {"CorvanePeer", {}, Ndis802_11Encryption2Enabled, Ndis802_11AuthModeWPANone, 0, 36});
  EXPECT_EQ(authen.SelectedIndex(), kAuthWpaPsk);
  ssid.SetText("Typed by hand");
  psk.text = "mesh together now";
  EXPECT_EQ(Ok(), ui::kModalOK);
  EXPECT_EQ(Stored(1).Text("Profile Name"), "PROF2");
  EXPECT_EQ(Stored(1).Text("BSSID"), "");
  EXPECT_EQ(Stored(1).Text("Channel"), "36") << "no entry for it, yet kept";

  // Infrastructure offers 5 GHz; switched to ad hoc, the list is 1-14 and starts at 1.
  editor.AddProfile({"CorvaneHome", {}, Ndis802_11WEPDisabled, Ndis802_11AuthModeOpen, 1, 165});
  EXPECT_EQ(channel.SelectedText(), "165");
  network.SelectIndex(0);
  editor.OnNetworkType(nullptr);
  EXPECT_EQ(channel.Count(), 14);
  EXPECT_EQ(channel.SelectedText(), "1");
}

TEST_F(ProfileEditorTest, KeysKeepEveryByteAndNeverReachAnotherProfile) {
  editor.AddInit();
  authen.SelectIndex(kAuthSharedKey);
  editor.OnAuthType(nullptr);
  keyTexts[0].text = "AA00BBCCDD";
  ssid.SetText("CorvaneLab");
  EXPECT_EQ(Ok(), ui::kModalOK);
  EXPECT_EQ(Stored(0).Text("WEPKey1"), std::string("\xAA\x00\xBB\xCC\xDD", 5));

  editor.AddInit();
  authen.SelectIndex(kAuthWpaPsk);
  editor.OnAuthType(nullptr);
  psk.text = "home sweet corvane";
  EXPECT_EQ(Ok(), ui::kModalOK);
  for (const char* key : {"WEPKey1", "WEPKey2", "WEPKey3", "WEPKey4"}) {
    EXPECT_EQ(Stored(1).Text(key), "") << key;
  }
  EXPECT_EQ(Stored(0).Text("WPAPSK"), "") << "and no pass phrase in a WEP profile";

  // Over 32 bytes: the alert, the dialog stays open, nothing is stored.
  editor.AddInit();
  ssid.SetText(std::string(33, 'x'));
  EXPECT_EQ(Ok(), ui::kModalCancel);
  EXPECT_EQ(alert.shown.back().message, "Invalid SSID");
  editor.OnCANCEL(nullptr);
  EXPECT_EQ(store.LoadProfileRecords().size(), 2u);
}

TEST_F(ProfileEditorTest, AnEditKeepsWhatItDidNotTouch) {
  ProfileRecord stored;
  for (const auto& [key, value] : {std::pair{"Profile Name", "Lab"},
                                   {"SSID", "Not scanned"},
                                   {"BSSID", "00112233AABB"},
                                   {"Network Type", "1"},
                                   {"Authentication Type", "1"},
                                   {"Encryption Type", "1"},
                                   {"RTS Threshold", "500"},
                                   {"Fragmentation Threshold", "2346"},
                                   {"WEPKeyUse", "0"},
                                   {"WEPKey2", "abcde"},
                                   {"WEPKey2 Type", "1"}}) {
    stored.Set(key, value);
  }
  ProfileRecord noAddress = stored;
  noAddress.Set("BSSID", "0011");
  store.SaveProfileRecords({stored, noAddress});
  EXPECT_FALSE(editor.EditInit(2)) << "no such row: nothing opens";

  ASSERT_TRUE(editor.EditInit(0));
  EXPECT_EQ(ssid.Text(), "Not scanned");
  EXPECT_TRUE(rtsCheck.on && rtsSlider.IsEnabled() && rtsSlider.value == 500);
  EXPECT_FALSE(fragCheck.on || fragText.IsEnabled());
  EXPECT_EQ(keyTexts[1].text, "") << "stored keys are never shown";
  EXPECT_EQ(Ok(), ui::kModalCancel) << "the transmit key must be typed again";
  keyTexts[0].text = "0123456789";
  EXPECT_EQ(Ok(), ui::kModalOK);
  const ProfileRecord edited = Stored(0);
  EXPECT_EQ(edited.Text("RTS Threshold"), "500");
  EXPECT_EQ(edited.Text("BSSID"), "00112233AABB");
  EXPECT_EQ(edited.Text("WEPKey1"), "\x01\x23\x45\x67\x89");
  EXPECT_EQ(edited.Text("WEPKey2"), "abcde") << "a key left empty keeps its stored bytes";

  ASSERT_TRUE(editor.EditInit(1));
  keyTexts[0].text = "0123456789";
  EXPECT_EQ(Ok(), ui::kModalOK);
  EXPECT_EQ(Stored(1).Text("BSSID"), "") << "never read past a short address";
}

TEST_F(ProfileEditorTest, OkStoresItsOneChangeIntoTheListAsItIsThen) {
  ProfileRecord lab, shop;
  lab.Set("Profile Name", "Lab");
  shop.Set("Profile Name", "Workshop");
  store.SaveProfileRecords({lab, shop});
  ASSERT_TRUE(editor.EditInit(1));
  // Another program deletes Lab while the dialog is open.
  prefs::UserDefaults otherDefaults{folder};
  ASSERT_TRUE(ProfileStore(otherDefaults, folder).DeleteProfile(lab, 0).Saved());
  name.text = "Workshop edited";
  EXPECT_EQ(Ok(), ui::kModalOK);
  ASSERT_EQ(store.LoadProfileRecords().size(), 1u) << "Lab is not brought back";
  EXPECT_EQ(Stored(0).Text("Profile Name"), "Workshop edited");

  // The edited profile itself is deleted meanwhile: the alert, the dialog stays open.
  ASSERT_TRUE(editor.EditInit(0));
  ASSERT_TRUE(ProfileStore(otherDefaults, folder).SaveProfileRecords({}).Saved());
  EXPECT_EQ(Ok(), ui::kModalCancel);
  EXPECT_EQ(alert.shown.back().message, "Could not save the profile");
  editor.OnCANCEL(nullptr);
  EXPECT_TRUE(store.LoadProfileRecords().empty());
}

}  // namespace
}  // namespace netvane
