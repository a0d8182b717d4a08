// Reading the WPA vendor element of scan entries, well-formed and hostile.
#include <gtest/gtest.h>

#include "driver/ScanList.h"
#include "survey/WpaElement.h"
#include "unit/driver/ScanBuilders.h"
#include "unit/survey/IeBuilders.h"

namespace netvane {
namespace {

using namespace testing;  // NOLINT(google-build-using-namespace) the builders

constexpr uint8_t kTkip = 2, kWrap = 3, kCcmp = 4, k8021X = 1, kPsk = 2;

WpaTexts Parse(const Bytes8& entry, const std::string& cipher = "WEP") {
  return ParseWPAElement(ReadScanEntry(entry, 0).value(), {cipher, "Unknow"});
}
int32_t Kind(const Bytes8& entry) {
  return IsItemWPA(ReadScanEntry(entry, 0).value());
}
std::string Texts(const Bytes8& entry) {
  const WpaTexts t = Parse(entry);
  return t.cipher + " " + t.authentication;
}

TEST(WpaElement, NamesCipherAndKeyManagement) {
  const Bytes8 psk = Concat({CommonElements(), WpaElement(kTkip, {kTkip}, {kPsk})});
  EXPECT_EQ(Texts(EntryWithElements(psk)), "TKIP WPA-PSK");
  EXPECT_EQ(Kind(EntryWithElements(psk)), kItemWpaPsk);
  EXPECT_EQ(Texts(EntryWithElements(psk, Ndis802_11IBSS)), "TKIP WPA-NONE");
  EXPECT_EQ(Kind(EntryWithElements(psk, Ndis802_11IBSS)), kItemWpaNone);

  // Two pairwise suites: key management is read after both.
  const Bytes8 enterprise = EntryWithElements(WpaElement(kCcmp, {kTkip, kCcmp}, {k8021X}));
  EXPECT_EQ(Texts(enterprise), "AES-CCMP WPA");
  EXPECT_EQ(Kind(enterprise), kItemWpa);
  EXPECT_EQ(Texts(EntryWithElements(WpaElement(kWrap, {}, {0}))), "AES-WRAP WPA-PSK");
}

TEST(WpaElement, WhatIsNotNamedKeepsTheCallersText) {
  EXPECT_EQ(Parse(EntryWithElements(WpaElement(1, {}, {kPsk})), "Not Use").cipher, "Not Use");
  EXPECT_EQ(Texts(EntryWithElements(WpaElement(5, {}, {kPsk}))), "WEP WPA-PSK");
  EXPECT_EQ(Texts(EntryWithElements(WpaElement(kTkip, {}, {7}))), "TKIP Unknow");
  EXPECT_EQ(Kind(EntryWithElements(WpaElement(kTkip, {}, {7}))), kItemNotWpa);
  EXPECT_EQ(Texts(EntryWithElements(WpaElement(kTkip, {kTkip}, {}))), "TKIP Unknow");
  EXPECT_EQ(Texts(EntryWithElements({})), "WEP Unknow");
  EXPECT_EQ(Texts(EntryWithElements(CommonElements())), "WEP Unknow");
}

TEST(WpaElement, WalkRules) {
  const Bytes8 wpa = WpaElement(kTkip, {kTkip}, {kPsk});
  // A vendor element of 15 bytes or less is stepped over.
  EXPECT_EQ(Kind(EntryWithElements(Concat({Element(0xDD, Bytes8(15, 1)), wpa}))), kItemWpaPsk);
  // The first longer vendor element decides, even one of another type.
  EXPECT_EQ(Kind(EntryWithElements(Concat({WpaElement(kTkip, {}, {kPsk}, 0x02), wpa}))),
            kItemNotWpa);
  // An empty element reached by a step ends the walk; an empty first one (hidden SSID) does not.
  EXPECT_EQ(Kind(EntryWithElements(Concat({Element(0, {'a'}), Element(1, {}), wpa}))), kItemNotWpa);
  EXPECT_EQ(Kind(EntryWithElements(Concat({Element(0, {}), wpa}))), kItemWpaPsk);
}

TEST(WpaElement, LyingLengthsAreNeverFollowedPastTheEntry) {
  const Bytes8 wpa = Concat({CommonElements(), WpaElement(kTkip, {kTkip}, {kPsk})});
  EXPECT_EQ(Texts(EntryWithElements(wpa, Ndis802_11Infrastructure, 4000)), "WEP Unknow");

  Bytes8 tooLong = wpa;
  tooLong[CommonElements().size() + 1] = 200;
  EXPECT_EQ(Texts(EntryWithElements(tooLong)), "WEP Unknow");

  Bytes8 hugePairwise = WpaElement(kTkip, {kTkip}, {kPsk});
  hugePairwise[12] = hugePairwise[13] = 0xFF;
  EXPECT_EQ(Texts(EntryWithElements(hugePairwise)), "TKIP Unknow");

  // Every cut of the elements, each in a buffer of exactly that size for the sanitizer.
  const Bytes8 entry = EntryWithElements(wpa);
  const ScanEntry whole = ReadScanEntry(entry, 0).value();
  for (std::size_t n = 0; n < whole.ies.size(); ++n) {
    const Bytes8 cut(whole.ies.begin(), whole.ies.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(ParseWPAElement(cut, 1, {"WEP", "Unknow"}).authentication, "Unknow") << n;
  }
}

TEST(WpaElement, SelectedRowOfTheScanList) {
  const Bytes8 bytes =
      MakeList({EntryWithElements({}), EntryWithElements(WpaElement(kTkip, {}, {kPsk}))});
  BssidList list;
  std::copy(bytes.begin(), bytes.end(), list.data());
  EXPECT_EQ(IsItemWPA(&list, 0), kItemNotWpa);  // no selection
  EXPECT_EQ(IsItemWPA(&list, 1), kItemNotWpa);
  EXPECT_EQ(IsItemWPA(&list, 2), kItemWpaPsk);
  EXPECT_EQ(IsItemWPA(&list, 3), kItemNotWpa);  // beyond the list
  EXPECT_EQ(IsItemWPA(nullptr, 2), kItemNotWpa);
}

}  // namespace
}  // namespace netvane
