// Reading the WPA vendor element of scan entries, well-formed and hostile.
#include <gtest/gtest.h>

#include "driver/ScanList.h"
#include "survey/WpaElement.h"
#include "unit/survey/IeBuilders.h"

namespace netvane {
namespace {

using namespace testing;  // NOLINT(google-build-using-namespace) the builders

constexpr uint8_t kTkip = 2, kWrap = 3, kCcmp = 4, k8021X = 1, kPsk = 2;

// "cipher authentication kind" of an entry with these elements, parsed from "WEP" and "Unknow".
std::string Texts(const Bytes8& elements, uint32_t mode = Ndis802_11Infrastructure,
                  uint32_t ieLength = 0) {
  const Bytes8 entry = EntryWithElements(elements, mode, ieLength);
  const ScanEntry e = ReadScanEntry(entry, 0).value();
  const WpaTexts t = ParseWPAElement(e, {"WEP", "Unknow"});
  return t.cipher + " " + t.authentication + " " + std::to_string(IsItemWPA(e));
}

TEST(WpaElement, NamesCipherAndKeyManagementAndKeepsWhatItDoesNotName) {
  const Bytes8 psk = Concat({CommonElements(), WpaElement(kTkip, {kTkip}, {kPsk})});
  EXPECT_EQ(Texts(psk), "TKIP WPA-PSK 2");
  EXPECT_EQ(Texts(psk, Ndis802_11IBSS), "TKIP WPA-NONE 3");
  // Two pairwise suites: key management is read after both.
  EXPECT_EQ(Texts(WpaElement(kCcmp, {kTkip, kCcmp}, {k8021X})), "AES-CCMP WPA 1");

  EXPECT_EQ(Texts(WpaElement(5, {}, {kPsk})), "WEP WPA-PSK 2");
  EXPECT_EQ(Texts(WpaElement(kTkip, {}, {7})), "TKIP Unknow 0");
  EXPECT_EQ(Texts(CommonElements()), "WEP Unknow 0");
}

TEST(WpaElement, WalkRules) {
  const Bytes8 wpa = WpaElement(kTkip, {kTkip}, {kPsk});
  // A vendor element of 15 bytes or less is stepped over.
  EXPECT_EQ(Texts(Concat({Element(0xDD, Bytes8(15, 1)), wpa})), "TKIP WPA-PSK 2");
  // The first longer vendor element decides, even one of another type.
  EXPECT_EQ(Texts(Concat({WpaElement(kTkip, {}, {kPsk}, 0x02), wpa})), "WEP Unknow 0");
  // An empty element reached by a step ends the walk; an empty first one (hidden SSID) does not.
  EXPECT_EQ(Texts(Concat({Element(0, {'a'}), Element(1, {}), wpa})), "WEP Unknow 0");
  EXPECT_EQ(Texts(Concat({Element(0, {}), wpa})), "TKIP WPA-PSK 2");
}

TEST(WpaElement, LyingLengthsAreNeverFollowedPastTheEntry) {
  const Bytes8 wpa = Concat({CommonElements(), WpaElement(kTkip, {kTkip}, {kPsk})});
  EXPECT_EQ(Texts(wpa, Ndis802_11Infrastructure, 4000), "WEP Unknow 0");
  Bytes8 tooLong = wpa;
  tooLong[CommonElements().size() + 1] = 200;
  EXPECT_EQ(Texts(tooLong), "WEP Unknow 0");
  Bytes8 hugePairwise = WpaElement(kTkip, {kTkip}, {kPsk});
  hugePairwise[12] = hugePairwise[13] = 0xFF;
  EXPECT_EQ(Texts(hugePairwise), "TKIP Unknow 0");

  // Every cut of the elements, each in a buffer of exactly that size for the sanitizer.
  const Bytes8 entry = EntryWithElements(wpa);
  const ScanEntry whole = ReadScanEntry(entry, 0).value();
  for (std::size_t n = 0; n < whole.ies.size(); ++n) {
    const Bytes8 cut(whole.ies.begin(), whole.ies.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(ParseWPAElement(cut, 1, {"WEP", "Unknow"}).authentication, "Unknow") << n;
  }
}

}  // namespace
}  // namespace netvane
