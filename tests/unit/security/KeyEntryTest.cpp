// Key validation and the security choices of the two key-entry dialogs.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/Globals.h"
#include "security/KeyEntry.h"
#include "security/MathFunc.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"

namespace netvane {
namespace {

const std::string kPskShort =
    "Invalid WPA Pre-Shared key. WPA-PSK used field should use more 8 characters.";
const std::string kPskHex =
    "Invalid WPA Pre-Shared key. WPA-PSK used field should use more 64 hexadecimal digital.";
const std::string kPskLong =
    "Invalid WPA Pre-Shared key. WPA-PSK used field should use at most 63 characters or 64 "
    "hexadecimal digits.";
const std::string kPskBytes =
    "Invalid WPA Pre-Shared key. WPA-PSK used field should use printable ASCII characters.";

std::string HexAlert(int key) {
  return "Invalid WEP key " + std::to_string(key) +
         " length. WEP should be 10 or 26 hexadecimal digits.";
}
std::string AsciiAlert(int key) {
  return "Invalid WEP key " + std::to_string(key) +
         " length. WEP should be 5 or 13 ASCII characters.";
}

KeyEntryValues Wpa(const std::string& psk) {
  KeyEntryValues v;
  v.authentication = kAuthWpaPsk;
  v.encryption = -1;  // not consulted
  v.preSharedKey = psk;
  return v;
}

KeyEntryValues Wep(int32_t auth, int32_t encryption, int32_t selected) {
  KeyEntryValues v;
  v.authentication = auth;
  v.encryption = encryption;
  v.selectedKey = selected;
  return v;
}

TEST(KeyValidation, PreSharedKeyBounds) {
  EXPECT_EQ(FindKeyProblem(Wpa("1234567")), kPskShort);
  EXPECT_EQ(FindKeyProblem(Wpa("")), kPskShort);
  EXPECT_EQ(FindKeyProblem(Wpa("12345678")), std::nullopt);
  EXPECT_EQ(FindKeyProblem(Wpa(std::string(63, '~'))), std::nullopt);
  EXPECT_EQ(FindKeyProblem(Wpa(std::string(64, 'a'))), std::nullopt);
  EXPECT_EQ(FindKeyProblem(Wpa(std::string(32, 'F') + std::string(32, '9'))), std::nullopt);
  EXPECT_EQ(FindKeyProblem(Wpa(std::string(63, 'a') + "G")), kPskHex);
  EXPECT_EQ(FindKeyProblem(Wpa(std::string(65, 'a'))), kPskLong);
  EXPECT_EQ(FindKeyProblem(Wpa(std::string(200, 'x'))), kPskLong);
  EXPECT_EQ(FindKeyProblem(Wpa("pass\tphrase")), kPskBytes);
  EXPECT_EQ(FindKeyProblem(Wpa("caf\xC3\xA9 au lait")), kPskBytes);
  // Length is judged before content.
  EXPECT_EQ(FindKeyProblem(Wpa("\x01\x02")), kPskShort);
}

TEST(KeyValidation, AcceptsExactlyThePassPhrasesTheKeyDerivationAccepts) {
  const std::array<std::string, 9> phrases{"12345678",
                                           std::string(63, 'z'),
                                           std::string(64, 'q'),
                                           std::string(65, 'q'),
                                           "new\nline phrase",
                                           "delete\x7Fkey",
                                           "space only here",
                                           std::string("nul\0inside", 10),
                                           "\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8"};
  const std::array<uint8_t, 3> ssid{'a', 'b', 'c'};
  for (const std::string& phrase : phrases) {
    if (phrase.size() == 64) continue;  // 64 characters are hexadecimal digits, not a phrase
    std::array<uint8_t, 40> out{};
    const bool derivable = PasswordHash(phrase.c_str(), ssid.data(), 3, out.data()) == 1 &&
                           phrase.find('\0') == std::string::npos;
    EXPECT_EQ(!FindKeyProblem(Wpa(phrase)).has_value(), derivable) << phrase;
  }
}

TEST(KeyValidation, WepKeysOnlyWhenInUse) {
  KeyEntryValues open = Wep(kAuthOpenSystem, kEncryNone, 0);
  open.keyTexts = {"x", "yy", "zzz", "w"};
  open.preSharedKey = "1";
  EXPECT_EQ(FindKeyProblem(open), std::nullopt);

  KeyEntryValues shared = open;
  shared.authentication = kAuthSharedKey;  // shared key uses WEP keys even with no encryption
  EXPECT_EQ(FindKeyProblem(shared), HexAlert(1));

  KeyEntryValues noAuth = open;
  noAuth.authentication = -1;
  noAuth.encryption = kEncryWep;
  EXPECT_EQ(FindKeyProblem(noAuth), HexAlert(1));
}

TEST(KeyValidation, TransmitKeyMustBeThereOthersMayBeEmpty) {
  KeyEntryValues v = Wep(kAuthOpenSystem, kEncryWep, 1);
  v.keyTexts[0] = "0123456789";
  EXPECT_EQ(FindKeyProblem(v), HexAlert(2));
  v.keyTypes[1] = kKeyTypeAscii;
  EXPECT_EQ(FindKeyProblem(v), AsciiAlert(2));

  v.selectedKey = 0;
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);

  // The transmit key is reported before an earlier bad key.
  v.selectedKey = 3;
  v.keyTexts[1] = "bad";
  EXPECT_EQ(FindKeyProblem(v), HexAlert(4));
}

TEST(KeyValidation, EachKeyByItsOwnType) {
  KeyEntryValues v = Wep(kAuthSharedKey, kEncryWep, 0);
  v.keyTexts[0] = std::string(26, 'z');  // characters are not checked, only the length
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
  v.keyTypes[2] = kKeyTypeAscii;
  v.keyTexts[2] = "1234567";
  EXPECT_EQ(FindKeyProblem(v), AsciiAlert(3));
  v.keyTexts[2] = "0123456789";
  EXPECT_EQ(FindKeyProblem(v), AsciiAlert(3));
  v.keyTexts[2] = "13 characters";
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
  v.keyTypes[3] = -1;  // no type chosen: not checked
  v.keyTexts[3] = "any";
  EXPECT_EQ(FindKeyProblem(v), std::nullopt);
}

// One dialog's security controls, wired as its layout would.
class KeyEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    testing::FakeToggle::Group({&radios[0], &radios[1], &radios[2], &radios[3]});
    for (auto& c : combos) c.entries = {"Hexadecimal", "ASCII"};
    for (auto& c : combos) c.SelectIndex(0);
    auth.entries = {"Open System", "Shared Key", "WPA-PSK"};
  }
  void TearDown() override { ResetGlobals(); }

  void ChooseAuth(int index) {
    auth.SelectIndex(index);
    entry.OnAuthType(nullptr);
  }
  void ChooseEncryption(int index) {
    encry.SelectIndex(index);
    entry.OnEncryType(nullptr);
  }
  bool WepEnabled(std::size_t i) const {
    return radios[i].IsEnabled() && combos[i].IsEnabled() && texts[i].IsEnabled();
  }
  bool WepDisabled(std::size_t i) const {
    return !radios[i].IsEnabled() && !combos[i].IsEnabled() && !texts[i].IsEnabled();
  }

  testing::FakeChoiceList auth, encry;
  std::array<testing::FakeChoiceList, 4> combos;
  std::array<testing::FakeTextField, 4> texts;
  std::array<testing::FakeToggle, 4> radios;
  testing::FakeTextField psk;
  testing::FakeAlert alert;
  KeyEntry entry{SecurityControls{auth,
                                  encry,
                                  {&combos[0], &combos[1], &combos[2], &combos[3]},
                                  {&texts[0], &texts[1], &texts[2], &texts[3]},
                                  {&radios[0], &radios[1], &radios[2], &radios[3]},
                                  psk},
                 alert};
};

TEST_F(KeyEntryTest, EncryptionChoicesFollowTheAuthenticationCategory) {
  ChooseAuth(kAuthOpenSystem);
  EXPECT_EQ(encry.entries, (std::vector<std::string>{"NONE", "WEP"}));
  EXPECT_EQ(encry.selected, 0);
  EXPECT_EQ(entry.SelFlag(), 0);

  ChooseEncryption(kEncryWep);
  ChooseAuth(kAuthSharedKey);  // same category: list and choice stay
  EXPECT_EQ(encry.entries.size(), 2U);
  EXPECT_EQ(encry.selected, kEncryWep);

  ChooseAuth(kAuthWpaPsk);
  EXPECT_EQ(encry.entries, (std::vector<std::string>{"TKIP", "AES"}));
  EXPECT_EQ(encry.selected, 0);
  EXPECT_EQ(entry.SelFlag(), 1);
  for (int i = 0; i < 3; ++i) entry.OnSelchangeAuthType();
  EXPECT_EQ(encry.entries.size(), 2U);

  ChooseAuth(kAuthOpenSystem);
  EXPECT_EQ(encry.entries, (std::vector<std::string>{"NONE", "WEP"}));
  EXPECT_EQ(encry.selected, kEncryNone);
}

TEST_F(KeyEntryTest, WpaChoicesDependOnTheAdaptersCapability) {
  G_encryCapa = Ndis802_11Encryption2Enabled;
  ChooseAuth(kAuthWpaPsk);
  EXPECT_EQ(encry.entries, std::vector<std::string>{"TKIP"});

  G_encryCapa = Ndis802_11WEPEnabled;
  ChooseAuth(kAuthOpenSystem);
  ChooseAuth(kAuthWpaPsk);
  EXPECT_TRUE(encry.entries.empty());
  EXPECT_EQ(encry.selected, -1);
  EXPECT_TRUE(psk.IsEnabled());
}

TEST_F(KeyEntryTest, LoadingTheDialogAgainRefillsTheList) {
  ChooseAuth(kAuthOpenSystem);
  ChooseEncryption(kEncryWep);
  entry.DialogLoaded();
  entry.OnSelchangeAuthType();
  EXPECT_EQ(encry.entries.size(), 2U);
  EXPECT_EQ(encry.selected, kEncryNone);
}

TEST_F(KeyEntryTest, KeyFieldsFollowTheCombination) {
  ChooseAuth(kAuthOpenSystem);
  EXPECT_FALSE(psk.IsEnabled());
  for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(WepDisabled(i));

  ChooseEncryption(kEncryWep);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(WepEnabled(i));

  ChooseAuth(kAuthSharedKey);
  ChooseEncryption(kEncryNone);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(WepEnabled(i));
  EXPECT_FALSE(psk.IsEnabled());

  ChooseAuth(kAuthWpaPsk);
  EXPECT_TRUE(psk.IsEnabled());
  for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(WepDisabled(i));

  // No authentication selected: the fields stay as they are and the list is not touched.
  auth.SelectIndex(-1);
  entry.OnSelchangeAuthType();
  EXPECT_TRUE(psk.IsEnabled());
  EXPECT_EQ(encry.entries.size(), 2U);
}

TEST_F(KeyEntryTest, VerifyKeyReadsTheControlsAndAlertsOnce) {
  ChooseAuth(kAuthOpenSystem);
  ChooseEncryption(kEncryWep);
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

  ChooseAuth(kAuthWpaPsk);
  psk.text = std::string(70, 'k');
  EXPECT_FALSE(entry.VerifyKey());
  EXPECT_EQ(alert.shown.back().message, kPskLong);
}

TEST_F(KeyEntryTest, PresetsOnlySelect) {
  entry.setAuthenTypeCombo(kAuthWpaPsk);
  EXPECT_EQ(entry.getAuthenTypeCombo(), kAuthWpaPsk);
  EXPECT_TRUE(encry.entries.empty());
  entry.OnSelchangeAuthType();
  entry.setEncryTypeCombo(kEncryAes);
  EXPECT_EQ(encry.selected, kEncryAes);
  EXPECT_EQ(entry.SelectedKeyIndex(), 0);  // no radio on
}

}  // namespace
}  // namespace netvane
