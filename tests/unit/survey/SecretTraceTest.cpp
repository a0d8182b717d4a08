// No pass phrase or key byte reaches standard error, even with every debug line on.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <span>

#include "SurveyPageFixture.h"

namespace netvane {
namespace {

using testing::InstallScanList;
using testing::Wpa;

// The first bytes of a key as a dump would spell them: raw, or hexadecimal in either case,
// with or without spaces.
std::vector<std::string> Spellings(std::span<const uint8_t> key) {
  const auto head = key.first(std::min<std::size_t>(key.size(), 5));
  std::string lower, upper, spaced;
  for (const uint8_t b : head) {
    char two[3];
    std::snprintf(two, sizeof two, "%02x", b);
    lower += two;
    spaced += std::string(spaced.empty() ? "" : " ") + two;
    std::snprintf(two, sizeof two, "%02X", b);
    upper += two;
  }
  return {std::string(head.begin(), head.end()), lower, upper, spaced};
}

class SecretTraceTest : public testing::SurveyPageFixture {
 protected:
  SecretTraceTest() {
    InstallScanList(state,
                    {{"CorvaneHome", 4, 1, Ndis802_11Infrastructure, 2422000, -55, Wpa(2, 2)},
                     {"CorvaneLegacy", 2, 1, Ndis802_11Infrastructure, 2437000, -62}});
    page.RefreshAPList(nullptr);
    state.__DEBUG__ = 1;
  }
  // Connects to `row`, filling the security sheet with `type`; returns standard error.
  std::string Connect(int row, const std::function<void()>& type) {
    sheets.Then([&] {
      type();
      wepSetting.OnOK();
    });
    apList.selected = row;
    ::testing::internal::CaptureStderr();
    page.OnConnect(nullptr);
    return ::testing::internal::GetCapturedStderr();
  }
  // The key bytes of the one key block sent with `oid`.
  std::vector<uint8_t> SentKey(uint32_t oid, std::size_t length) const {
    const auto sets = SetsOf(oid);
    if (sets.size() != 1 || sets[0].in.size() < kKeyHeaderLength + length) return {};
    const auto key = sets[0].in.begin() + kKeyHeaderLength;
    return {key, key + static_cast<std::ptrdiff_t>(length)};
  }
  void ExpectAbsent(const std::string& out, std::span<const uint8_t> key) {
    ASSERT_FALSE(key.empty()) << "no key was sent";
    EXPECT_NE(out.find("CV7000Access"), std::string::npos) << "the debug lines are on";
    for (const std::string& s : Spellings(key)) EXPECT_EQ(out.find(s), std::string::npos) << s;
  }
};

TEST_F(SecretTraceTest, NeitherPassPhraseNorDerivedKeyNorWepKeyIsWritten) {
  const std::string phrase = "home sweet corvane";
  std::string out = Connect(0, [&] { psk.text = phrase; });
  EXPECT_EQ(out.find(phrase), std::string::npos);
  ExpectAbsent(out, SentKey(OID_CV_802_11_ADD_WPA, kPskLength));

  ForgetCalls();
  out = Connect(1, [&] {
    keyTexts[0].text = "0a1b2c3d4e";
    radios[0].SetState(true);
  });
  ExpectAbsent(out, SentKey(OID_802_11_ADD_KEY, 5));
}

}  // namespace
}  // namespace netvane
