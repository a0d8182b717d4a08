// Key validation and the security choices of the two key-entry dialogs. The alerts a refused
// key shows are played through the security sheet in the site survey tests.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "driver/Records.h"
#include "keyentry/KeyEntry.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"

namespace netvane {
namespace {

const std::string kPsk = "Invalid WPA Pre-Shared key. WPA-PSK used field should use ";
const std::string kHexLength = " length. WEP should be 10 or 26 hexadecimal digits.";
const std::string kAsciiLength = " length. WEP should be 5 or 13 ASCII characters.";

std::string Wep(int key, const std::string& problem) {
  return "Invalid WEP key " + std::to_string(key) + problem;
}

TEST(KeyValidation, PreSharedKeyCharactersAreJudgedBeforeTheirCount) {
  // The field hands over UTF-8: a character outside ASCII is two to four bytes of 0x80 and up.
  // 61 characters and a euro sign are 64 bytes: not a 64-digit key gone wrong. "": accepted.
  const std::string bytes = "printable ASCII characters.";
  const std::string cases[][2] = {
      {"1234567", "more 8 characters."},
      {"12345678", ""},
      {std::string(63, '~'), ""},
      {std::string(32, 'f') + std::string(32, 'A'), ""},
      {std::string(63, 'a') + "G", "more 64 hexadecimal digital."},
      {std::string(65, 'a'), "at most 63 characters or 64 hexadecimal digits."},
      {"caf\xC3\xA9 au lait", bytes},
      {"\x01\x02", bytes},
      {"delete\x7Fkey", bytes},
      {std::string(61, 'e') + "\xE2\x82\xAC", bytes}};
  for (const auto& [psk, problem] : cases) {
    KeyEntryValues v;
    v.authentication = kAuthWpaPsk;  // the encryption is not consulted
    v.preSharedKey = psk;
    EXPECT_EQ(FindKeyProblem(v).value_or(""), problem.empty() ? "" : kPsk + problem) << psk;
  }
}

TEST(KeyValidation, WepKeys) {
  KeyEntryValues v;
  v.authentication = kAuthOpenSystem;
  v.encryption = kEncryNone;
  v.keyTexts = {"a", "", "bbb", "c"};
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);  // no key in use
  v.authentication = kAuthSharedKey;           // shared key uses them even without WEP
  EXPECT_EQ(FindKeyProblem(v), Wep(1, kHexLength));

  v.keyTexts = {std::string(26, 'F'), "", "", ""};
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
  v.keyTexts[0] = std::string(25, 'F') + "g";  // converted, it would be another key
  EXPECT_EQ(FindKeyProblem(v), Wep(1, ". WEP should use hexadecimal digits."));
  v.keyTexts[0] = std::string(26, 'F');
  v.selectedKey = 1;  // the transmit key must be there, the others may be empty
  EXPECT_EQ(FindKeyProblem(v), Wep(2, kHexLength));
  v.keyTypes[1] = kKeyTypeAscii;
  EXPECT_EQ(FindKeyProblem(v), Wep(2, kAsciiLength));
  v.keyTexts[1] = "ab\xC3\xA9z";  // four characters, five bytes
  EXPECT_EQ(FindKeyProblem(v), Wep(2, ". WEP should use printable ASCII characters."));
  v.keyTexts[1] = "13 characters";
  v.keyTexts[2] = "0123456789";  // right for hexadecimal, but key 3 is judged as ASCII
  v.keyTypes[2] = kKeyTypeAscii;
  EXPECT_EQ(FindKeyProblem(v), Wep(3, kAsciiLength));
  v.keyTypes[2] = -1;  // no type: not checked
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
  v.keyTexts[0] = "bad";
  v.selectedKey = 3;  // the transmit key is reported before an earlier bad key
  EXPECT_EQ(FindKeyProblem(v), Wep(4, kHexLength));
}

// One dialog's security controls, wired as its layout would.
class KeyEntryTest : public ::testing::Test {
 protected:
  KeyEntryTest() { auth.entries = {"Open System", "Shared Key", "WPA-PSK"}; }

  void Choose(int authIndex, int encryIndex = -2) {
    auth.SelectIndex(authIndex);
    entry.OnAuthType(nullptr);
    if (encryIndex == -2) return;
    encry.SelectIndex(encryIndex);
    entry.OnEncryType(nullptr);
  }
  // The encryption list with its choice starred, then "psk" and/or "wep" for the enabled
  // groups ("?" for a half-enabled WEP group).
  std::string State() const {
    std::string shown;
    for (int i = 0; i < encry.Count(); ++i) {
      shown += (i == encry.selected ? "*" : "") + encry.entries[std::size_t(i)] + " ";
    }
    int wep = 0;
    for (std::size_t i = 0; i < 4; ++i)
      wep += radios[i].IsEnabled() + combos[i].IsEnabled() + texts[i].IsEnabled();
    const std::string group = wep == 12 ? " wep" : wep == 0 ? "" : " ?";
    return shown + "|" + (psk.IsEnabled() ? " psk" : "") + group;
  }

  testing::FakeChoiceList auth, encry;
  std::array<testing::FakeChoiceList, 4> combos;
  std::array<testing::FakeTextField, 4> texts;
  std::array<testing::FakeToggle, 4> radios;
  testing::FakeTextField psk;
  testing::FakeAlert alert;
  SharedState state;
  KeyEntry entry{SecurityControls{auth,
                                  encry,
                                  {&combos[0], &combos[1], &combos[2], &combos[3]},
                                  {&texts[0], &texts[1], &texts[2], &texts[3]},
                                  {&radios[0], &radios[1], &radios[2], &radios[3]},
                                  psk},
                 alert, state};
};

TEST_F(KeyEntryTest, ChoicesAndFieldsFollowTheAuthentication) {
  Choose(kAuthOpenSystem);
  EXPECT_EQ(State(), "*NONE WEP |");
  Choose(kAuthOpenSystem, kEncryWep);
  EXPECT_EQ(State(), "NONE *WEP | wep");
  Choose(kAuthSharedKey, kEncryNone);  // shared key uses the keys even without WEP
  EXPECT_EQ(State(), "*NONE WEP | wep");
  Choose(kAuthWpaPsk);
  EXPECT_EQ(State(), "*TKIP AES | psk");
  Choose(kAuthOpenSystem, kEncryWep);
  entry.DialogLoaded();  // a new showing refills the list
  entry.OnSelchangeAuthType();
  EXPECT_EQ(State(), "*NONE WEP |");

  // WPA-PSK offers what the adapter can do.
  state.G_encryCapa = Ndis802_11Encryption2Enabled;
  Choose(kAuthWpaPsk);
  EXPECT_EQ(State(), "*TKIP | psk");
  state.G_encryCapa = Ndis802_11WEPEnabled;
  Choose(kAuthOpenSystem);
  Choose(kAuthWpaPsk);
  EXPECT_EQ(State(), "| psk");
}

}  // namespace
}  // namespace netvane
