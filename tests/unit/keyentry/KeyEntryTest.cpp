// Key validation. The alerts a refused key shows are played through the security sheet in the
// site survey tests; the choices the dialogs offer, through the real sheet (ConnectTest).
#include <gtest/gtest.h>

#include <string>

#include "driver/Records.h"
#include "keyentry/KeyEntry.h"

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

}  // namespace
}  // namespace netvane
