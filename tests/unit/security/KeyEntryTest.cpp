// Key validation and the security choices of the two key-entry dialogs.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "driver/Records.h"
#include "security/KeyEntry.h"
#include "security/MathFunc.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"

namespace netvane {
namespace {

const std::string kPsk = "Invalid WPA Pre-Shared key. WPA-PSK used field should use ";
const std::string kPskShort = kPsk + "more 8 characters.";
const std::string kPskHex = kPsk + "more 64 hexadecimal digital.";
const std::string kPskLong = kPsk + "at most 63 characters or 64 hexadecimal digits.";
const std::string kPskBytes = kPsk + "printable ASCII characters.";

std::string HexAlert(int key) {
  return "Invalid WEP key " + std::to_string(key) +
         " length. WEP should be 10 or 26 hexadecimal digits.";
}
std::string AsciiAlert(int key) {
  return "Invalid WEP key " + std::to_string(key) +
         " length. WEP should be 5 or 13 ASCII characters.";
}
std::string HexDigitsAlert(int key) {
  return "Invalid WEP key " + std::to_string(key) + ". WEP should use hexadecimal digits.";
}
std::string PrintableAlert(int key) {
  return "Invalid WEP key " + std::to_string(key) + ". WEP should use printable ASCII characters.";
}

std::optional<std::string> WpaProblem(const std::string& psk) {
  KeyEntryValues v;
  v.authentication = kAuthWpaPsk;  // the encryption is not consulted
  v.preSharedKey = psk;
  return FindKeyProblem(v);
}

TEST(KeyValidation, PreSharedKeyBounds) {
  EXPECT_EQ(WpaProblem("1234567"), kPskShort);
  EXPECT_EQ(WpaProblem("12345678"), std::nullopt);
  EXPECT_EQ(WpaProblem(std::string(63, '~')), std::nullopt);
  EXPECT_EQ(WpaProblem(std::string(32, 'f') + std::string(32, 'A')), std::nullopt);
  EXPECT_EQ(WpaProblem(std::string(63, 'a') + "G"), kPskHex);
  EXPECT_EQ(WpaProblem(std::string(65, 'a')), kPskLong);
}

// The field hands over UTF-8: a character outside ASCII is two to four bytes of 0x80 and up.
TEST(KeyValidation, PassPhraseCharactersAreJudgedBeforeTheirCount) {
  EXPECT_EQ(WpaProblem("caf\xC3\xA9 au lait"), kPskBytes);
  EXPECT_EQ(WpaProblem("\x01\x02"), kPskBytes);
  EXPECT_EQ(WpaProblem("delete\x7Fkey"), kPskBytes);
  // 61 characters and a euro sign are 64 bytes: not a 64-digit key gone wrong.
  EXPECT_EQ(WpaProblem(std::string(61, 'e') + "\xE2\x82\xAC"), kPskBytes);
}

TEST(KeyValidation, EveryAcceptedPassPhraseIsDerivable) {
  const std::array<std::string, 7> phrases{"12345678",
                                           std::string(63, 'z'),
                                           std::string(65, 'q'),
                                           "new\nline phrase",
                                           "delete\x7Fkey",
                                           std::string("nul\0inside", 10),
                                           "\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8"};
  const std::array<uint8_t, 3> ssid{'a', 'b', 'c'};
  for (const std::string& phrase : phrases) {
    std::array<uint8_t, 40> out{};
    // A zero byte would silently cut the phrase short before the derivation sees it.
    const bool derivable = PasswordHash(phrase.c_str(), ssid.data(), 3, out.data()) == 1 &&
                           phrase.find('\0') == std::string::npos;
    EXPECT_TRUE(derivable || WpaProblem(phrase).has_value()) << phrase;
  }
}

TEST(KeyValidation, WepKeys) {
  KeyEntryValues v;
  v.authentication = kAuthOpenSystem;
  v.encryption = kEncryNone;
  v.keyTexts = {"a", "", "bbb", "c"};
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);  // no key in use
  v.authentication = kAuthSharedKey;           // shared key uses them even without WEP
  EXPECT_EQ(FindKeyProblem(v), HexAlert(1));

  v.keyTexts = {std::string(26, 'F'), "", "", ""};
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
  v.keyTexts[0] = std::string(25, 'F') + "g";  // converted, it would be another key
  EXPECT_EQ(FindKeyProblem(v), HexDigitsAlert(1));
  v.keyTexts[0] = std::string(26, 'F');
  v.selectedKey = 1;  // the transmit key must be there, the others may be empty
  EXPECT_EQ(FindKeyProblem(v), HexAlert(2));
  v.keyTypes[1] = kKeyTypeAscii;
  EXPECT_EQ(FindKeyProblem(v), AsciiAlert(2));
  v.keyTexts[1] = "ab\tcd";  // five bytes, one of them a control character
  EXPECT_EQ(FindKeyProblem(v), PrintableAlert(2));
  v.keyTexts[1] =
      "ab\xC3\xA9"
      "c";  // four characters, five bytes
  EXPECT_EQ(FindKeyProblem(v), PrintableAlert(2));
  v.keyTexts[1] = "13 characters";
  v.keyTexts[2] = "0123456789";  // right for hexadecimal, but key 3 is judged as ASCII
  v.keyTypes[2] = kKeyTypeAscii;
  EXPECT_EQ(FindKeyProblem(v), AsciiAlert(3));
  v.keyTypes[2] = -1;  // no type: not checked
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
  v.keyTexts[0] = "bad";
  v.selectedKey = 3;  // the transmit key is reported before an earlier bad key
  EXPECT_EQ(FindKeyProblem(v), HexAlert(4));
}

// One dialog's security controls, wired as its layout would.
class KeyEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FakeToggle::Group({&radios[0], &radios[1], &radios[2], &radios[3]});
    for (auto& c : combos) c.entries = {"Hexadecimal", "ASCII"};
    for (auto& c : combos) c.SelectIndex(0);
    auth.entries = {"Open System", "Shared Key", "WPA-PSK"};
  }

  void Choose(int authIndex, int encryIndex = -2) {
    auth.SelectIndex(authIndex);
    entry.OnAuthType(nullptr);
    if (encryIndex == -2) return;
    encry.SelectIndex(encryIndex);
    entry.OnEncryType(nullptr);
  }
  // "psk" and/or "wep" for the enabled groups; a half-enabled WEP group shows as "?".
  std::string Enabled() const {
    int wep = 0;
    for (std::size_t i = 0; i < 4; ++i)
      wep += radios[i].IsEnabled() + combos[i].IsEnabled() + texts[i].IsEnabled();
    return std::string(psk.IsEnabled() ? "psk" : "") + (wep == 12 ? "wep" : wep == 0 ? "" : "?");
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

using Entries = std::vector<std::string>;

TEST_F(KeyEntryTest, ChoicesAndFieldsFollowTheAuthentication) {
  Choose(kAuthOpenSystem);
  EXPECT_EQ(encry.entries, (Entries{"NONE", "WEP"}));
  EXPECT_EQ(encry.selected, kEncryNone);
  EXPECT_EQ(Enabled(), "");
  Choose(kAuthOpenSystem, kEncryWep);
  EXPECT_EQ(Enabled(), "wep");

  Choose(kAuthSharedKey);  // same category: list and choice stay
  EXPECT_EQ(encry.entries.size(), 2U);
  EXPECT_EQ(encry.selected, kEncryWep);
  Choose(kAuthSharedKey, kEncryNone);
  EXPECT_EQ(Enabled(), "wep");

  Choose(kAuthWpaPsk);
  EXPECT_EQ(encry.entries, (Entries{"TKIP", "AES"}));
  EXPECT_EQ(encry.selected, kEncryTkip);
  EXPECT_EQ(entry.SelFlag(), 1);
  EXPECT_EQ(Enabled(), "psk");
  for (int i = 0; i < 3; ++i) entry.OnSelchangeAuthType();
  EXPECT_EQ(encry.entries.size(), 2U);

  Choose(-1);  // nothing selected: fields and list stay
  EXPECT_EQ(Enabled(), "psk");
  EXPECT_EQ(encry.entries.size(), 2U);

  Choose(kAuthOpenSystem);
  EXPECT_EQ(encry.entries, (Entries{"NONE", "WEP"}));
  Choose(kAuthOpenSystem, kEncryWep);
  entry.DialogLoaded();  // a new showing refills the list
  entry.OnSelchangeAuthType();
  EXPECT_EQ(encry.selected, kEncryNone);
}

TEST_F(KeyEntryTest, WpaChoicesDependOnTheAdaptersCapability) {
  state.G_encryCapa = Ndis802_11Encryption2Enabled;
  Choose(kAuthWpaPsk);
  EXPECT_EQ(encry.entries, Entries{"TKIP"});
  state.G_encryCapa = Ndis802_11WEPEnabled;
  Choose(kAuthOpenSystem);
  Choose(kAuthWpaPsk);
  EXPECT_TRUE(encry.entries.empty());
  EXPECT_EQ(Enabled(), "psk");
}

TEST_F(KeyEntryTest, VerifyKeyReadsTheControlsAndAlertsOnce) {
  entry.setAuthenTypeCombo(kAuthOpenSystem);  // presets only select
  EXPECT_TRUE(encry.entries.empty());
  Choose(kAuthOpenSystem, kEncryWep);
  texts[0].text = "0123456789";
  radios[1].SetState(true);
  EXPECT_EQ(entry.SelectedKeyIndex(), 1);
  EXPECT_FALSE(entry.VerifyKey());
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, HexAlert(2));
  EXPECT_EQ(alert.shown[0].informativeText, "");

  radios[0].SetState(true);
  EXPECT_TRUE(entry.VerifyKey());
  EXPECT_EQ(alert.shown.size(), 1U);

  Choose(kAuthWpaPsk);
  psk.text = std::string(70, 'k');
  EXPECT_FALSE(entry.VerifyKey());
  EXPECT_EQ(alert.shown.back().message, kPskLong);
}

}  // namespace
}  // namespace netvane
