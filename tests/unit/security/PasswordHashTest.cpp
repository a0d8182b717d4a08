#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "security/MathFunc.h"
#include "security/MathFuncInternal.h"
#include "unit/security/TestHex.h"

namespace netvane {
namespace {

using test::ToHex;
using Output = std::array<std::uint8_t, 40>;

const std::uint8_t* U8(const std::string& s) {
  return reinterpret_cast<const std::uint8_t*>(s.data());
}

// The 40 bytes an independent implementation derives: PBKDF2-HMAC-SHA1, 4096 iterations.
std::string ReferenceHex(const std::string& pass, const std::string& ssid) {
  Output out{};
  EXPECT_EQ(PKCS5_PBKDF2_HMAC_SHA1(pass.data(), static_cast<int>(pass.size()), U8(ssid),
                                   static_cast<int>(ssid.size()), 4096, 40, out.data()),
            1);
  return ToHex(out.data(), out.size());
}

std::string Pbkdf2Hex(Sha1Path path, const std::string& pass, const std::string& salt,
                      std::uint32_t iterations, std::size_t len) {
  std::string out(len, '\0');
  auto* p = reinterpret_cast<std::uint8_t*>(out.data());
  Pbkdf2HmacSha1(path, U8(pass), pass.size(), U8(salt), salt.size(), iterations, p, len);
  return ToHex(p, len);
}

std::string FHex(const std::string& pass, const std::string& salt, std::int32_t iterations) {
  Output out{};
  F(pass.c_str(), U8(salt), static_cast<std::int32_t>(salt.size()), iterations, 1, out.data());
  return ToHex(out.data(), 20);
}

// The published PBKDF2-HMAC-SHA1 vectors (the 2^24-iteration one is left out for time).
TEST(Pbkdf2BlockTest, PublishedVectorsThroughTheGeneralFunction) {
  EXPECT_EQ(FHex("password", "salt", 1), "0c60c80f961f0e71f3a9b524af6012062fe037a6");
  EXPECT_EQ(FHex("password", "salt", 2), "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
  EXPECT_EQ(FHex("password", "salt", 4096), "4b007901b765489abead49d926f721d065a429c1");
}

TEST(Pbkdf2BlockTest, CharacterCheckLeavesTheBlockUntouched) {
  Output out;
  out.fill(0xAB);
  testing::internal::CaptureStderr();
  F("pass\x7Fword\x01", U8("salt"), 4, 4096, 1, out.data());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Password error!!\n");
  for (std::uint8_t b : out) EXPECT_EQ(b, 0xAB);
}

class FastPathTest : public testing::TestWithParam<Sha1Path> {
 protected:
  void SetUp() override {
    if (GetParam() == Sha1Path::kShaNi && !ShaNiAvailable()) {
      GTEST_SKIP() << "this CPU has no SHA extensions";
    }
  }
  std::string PskHex(const std::string& pass, const std::string& ssid) {
    Output out{};
    EXPECT_EQ(PasswordHashOn(GetParam(), pass.c_str(), U8(ssid),
                             static_cast<std::int32_t>(ssid.size()), out.data()),
              1);
    return ToHex(out.data(), out.size());
  }
};

TEST_P(FastPathTest, PublishedPbkdf2Vectors) {
  const Sha1Path path = GetParam();
  EXPECT_EQ(Pbkdf2Hex(path, "password", "salt", 1, 20), "0c60c80f961f0e71f3a9b524af6012062fe037a6");
  EXPECT_EQ(Pbkdf2Hex(path, "password", "salt", 2, 20), "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
  EXPECT_EQ(Pbkdf2Hex(path, "password", "salt", 4096, 20),
            "4b007901b765489abead49d926f721d065a429c1");
  EXPECT_EQ(
      Pbkdf2Hex(path, "passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25),
      "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
  EXPECT_EQ(Pbkdf2Hex(path, std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096, 16),
            "56fa6aa75548099dcc37d7f03425e0c3");
}

TEST_P(FastPathTest, PublishedPassphraseToPskVectors) {
  EXPECT_EQ(PskHex("password", "IEEE").substr(0, 64),
            "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e");
  EXPECT_EQ(PskHex("ThisIsAPassword", "ThisIsASSID").substr(0, 64),
            "0dc0d6eb90555ed6419756b9a15ec3e3209b63df707dd508d14581f8982721af");
  EXPECT_EQ(PskHex(std::string(32, 'a'), std::string(32, 'Z')).substr(0, 64),
            "becb93866bb8c3832cb777c2f559807c8c59afcb6eae734885001300a981cc62");
}

TEST_P(FastPathTest, MatchesReferenceAtTheLimitsAndForEveryAcceptedByte) {
  const std::string longest(63, '~');
  const std::string fullSsid(32, '\xFF');
  EXPECT_EQ(PskHex(longest, fullSsid), ReferenceHex(longest, fullSsid));
  EXPECT_EQ(PskHex("12345678", ""), ReferenceHex("12345678", ""));
  std::string allAccepted;
  for (int c = 0x20; c <= 0x7F; ++c) allAccepted += static_cast<char>(c);
  for (std::size_t at = 0; at < allAccepted.size(); at += 48) {
    const std::string pass = allAccepted.substr(at, 48);
    EXPECT_EQ(PskHex(pass, "net"), ReferenceHex(pass, "net"));
  }
}

TEST_P(FastPathTest, MatchesReferenceOnRandomInputs) {
  std::mt19937 rng(20260612u);
  for (int n = 0; n < 200; ++n) {
    std::string pass(8 + rng() % 56, '\0');
    for (char& c : pass) c = static_cast<char>(0x20 + rng() % 95);
    std::string ssid(rng() % 33, '\0');
    for (char& c : ssid) c = static_cast<char>(rng() & 0xFF);
    ASSERT_EQ(PskHex(pass, ssid), ReferenceHex(pass, ssid))
        << "pass phrase \"" << pass << "\", SSID " << ToHex(U8(ssid), ssid.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, FastPathTest,
                         testing::Values(Sha1Path::kPortable, Sha1Path::kShaNi),
                         [](const testing::TestParamInfo<Sha1Path>& param) {
                           return param.param == Sha1Path::kShaNi ? "ShaNi" : "Portable";
                         });

TEST(PasswordHashTest, DispatchedPathDerivesTheKey) {
  Output out{};
  ASSERT_EQ(PasswordHash("password", U8("IEEE"), 4, out.data()), 1);
  EXPECT_EQ(ToHex(out.data(), out.size()), ReferenceHex("password", "IEEE"));
}

TEST(PasswordHashTest, OutOfRangeArgumentsReturnZeroAndWriteNothing) {
  const std::string ssid(33, 'S');
  const Output untouched = [] {
    Output o;
    o.fill(0xA5);
    return o;
  }();
  Output out = untouched;
  EXPECT_EQ(PasswordHash(std::string(64, 'p').c_str(), U8(ssid), 32, out.data()), 0);
  EXPECT_EQ(out, untouched);
  EXPECT_EQ(PasswordHash("password", U8(ssid), 33, out.data()), 0);
  EXPECT_EQ(out, untouched);
}

TEST(PasswordHashTest, RejectedByteReportsEachBlockAndWritesNothing) {
  Output untouched;
  untouched.fill(0x3C);
  for (const char* pass : {"pass\tphrase", "pass\x80phrase", "\x1F"}) {
    Output out = untouched;
    testing::internal::CaptureStderr();
    EXPECT_EQ(PasswordHash(pass, U8("IEEE"), 4, out.data()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Password error!!\nPassword error!!\n");
    EXPECT_EQ(out, untouched);
  }
}

}  // namespace
}  // namespace netvane
