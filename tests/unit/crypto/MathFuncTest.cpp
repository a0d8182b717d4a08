// Hexadecimal digits to bytes; PBKDF2-HMAC-SHA1 and the pass-phrase hash, each against a
// published vector and against OpenSSL's libcrypto as an independent reference. SHA-1's only
// user is PBKDF2, so its faults show here on the lengths PBKDF2 feeds it.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <array>
#include <string>
#include <vector>

#include "crypto/MathFunc.h"
#include "crypto/MathFuncInternal.h"

namespace netvane::crypto {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Output = std::array<std::uint8_t, 40>;

std::string Hex(const std::uint8_t* data, std::size_t len) {
  std::string s;
  for (std::size_t i = 0; i < len; ++i)
    s += {"0123456789abcdef"[data[i] >> 4], "0123456789abcdef"[data[i] & 15]};
  return s;
}
const std::uint8_t* U8(const std::string& s) {
  return reinterpret_cast<const std::uint8_t*>(s.data());
}

// The 40 bytes an independent implementation derives: PBKDF2-HMAC-SHA1, 4096 iterations.
std::string ReferenceHex(const std::string& pass, const std::string& ssid) {
  Output out{};
  PKCS5_PBKDF2_HMAC_SHA1(pass.data(), static_cast<int>(pass.size()), U8(ssid),
                         static_cast<int>(ssid.size()), 4096, 40, out.data());
  return Hex(out.data(), out.size());
}

TEST(Pbkdf2BlockTest, PublishedVectorsThroughTheGeneralFunctionAndItsCharacterCheck) {
  Output out{};
  F("password", U8("salt"), 4, 1, 1, out.data());
  EXPECT_EQ(Hex(out.data(), 20), "0c60c80f961f0e71f3a9b524af6012062fe037a6");
  F("password", U8("salt"), 4, 4096, 1, out.data());
  EXPECT_EQ(Hex(out.data(), 20), "4b007901b765489abead49d926f721d065a429c1");

  const Output before = out;
  testing::internal::CaptureStderr();
  F("pass\x7Fword\x01", U8("salt"), 4, 4096, 1, out.data());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Password error!!\n");
  EXPECT_EQ(out, before) << "untouched";
}

std::string PskHex(Sha1Path path, const std::string& pass, const std::string& ssid) {
  Output out{};
  EXPECT_EQ(PasswordHashOn(path, pass.c_str(), U8(ssid), static_cast<std::int32_t>(ssid.size()),
                           out.data()),
            1);
  return Hex(out.data(), out.size());
}

// Both compression paths; on a CPU without SHA extensions kShaNi runs the portable one.
TEST(FastPathTest, PublishedVectorsAndReferenceAtTheLimitsAndForEveryAcceptedByte) {
  for (const Sha1Path path : {Sha1Path::kPortable, Sha1Path::kShaNi}) {
    SCOPED_TRACE(path == Sha1Path::kShaNi ? "SHA-NI" : "portable");
    // Two blocks, a 24-byte key and a 36-byte salt.
    std::string two(25, '\0');
    const std::string pass = "passwordPASSWORDpassword";
    const std::string salt = "saltSALTsaltSALTsaltSALTsaltSALTsalt";
    Pbkdf2HmacSha1(path, U8(pass), pass.size(), U8(salt), salt.size(), 4096,
                   reinterpret_cast<std::uint8_t*>(two.data()), two.size());
    EXPECT_EQ(Hex(U8(two), two.size()), "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");

    const std::string longest(63, '~');
    const std::string fullSsid(32, '\xFF');
    EXPECT_EQ(PskHex(path, longest, fullSsid), ReferenceHex(longest, fullSsid));
    EXPECT_EQ(PskHex(path, "12345678", ""), ReferenceHex("12345678", ""));
    std::string allAccepted;
    for (int c = 0x20; c <= 0x7F; ++c) allAccepted += static_cast<char>(c);
    for (std::size_t at = 0; at < allAccepted.size(); at += 48) {
      const std::string piece = allAccepted.substr(at, 48);
      EXPECT_EQ(PskHex(path, piece, "net"), ReferenceHex(piece, "net"));
    }
  }
}

TEST(PasswordHashTest, DispatchedPathDerivesAndEveryRefusalWritesNothing) {
  Output out{};
  ASSERT_EQ(PasswordHash("password", U8("IEEE"), 4, out.data()), 1);
  EXPECT_EQ(Hex(out.data(), out.size()), ReferenceHex("password", "IEEE"));

  const Output untouched = out;
  const std::string ssid(33, 'S');
  EXPECT_EQ(PasswordHash(std::string(64, 'p').c_str(), U8(ssid), 32, out.data()), 0);
  EXPECT_EQ(PasswordHash("password", U8(ssid), 33, out.data()), 0);
  // A byte outside 0x20..0x7F is reported once for each block.
  for (const char* pass : {"pass\tphrase", "pass\x80phrase", "\x1F"}) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(PasswordHash(pass, U8("IEEE"), 4, out.data()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Password error!!\nPassword error!!\n");
  }
  EXPECT_EQ(out, untouched);
}

}  // namespace
}  // namespace netvane::crypto
