// Reading the WPA vendor element of scan entries, well-formed and hostile.
#include <gtest/gtest.h>

#include <cstring>

#include "driver/ScanList.h"
#include "survey/WpaElement.h"
#include "unit/driver/ScanBuilders.h"
#include "unit/survey/IeBuilders.h"

namespace netvane {
namespace {

using testing::Bytes8;
using testing::CommonElements;
using testing::Concat;
using testing::Element;
using testing::EntryWithElements;
using testing::WpaElement;

constexpr uint8_t kTkip = 2, kWrap = 3, kCcmp = 4;
constexpr uint8_t kAkm8021X = 1, kAkmPsk = 2;

ScanEntry Read(const Bytes8& entryBytes) {
  auto e = ReadScanEntry(entryBytes, 0);
  EXPECT_TRUE(e.has_value());
  return e.value_or(ScanEntry{});
}

WpaTexts Parse(const Bytes8& entryBytes, const std::string& cipher = "WEP") {
  return ParseWPAElement(Read(entryBytes), {cipher, "Unknow"});
}

int32_t Kind(const Bytes8& entryBytes) {
  return IsItemWPA(Read(entryBytes));
}

TEST(WpaElement, NamesCipherAndKeyManagement) {
  const Bytes8 psk = Concat({CommonElements(), WpaElement(kTkip, {kTkip}, {kAkmPsk})});
  const Bytes8 infra = EntryWithElements(psk);
  EXPECT_EQ(Parse(infra).cipher, "TKIP");
  EXPECT_EQ(Parse(infra).authentication, "WPA-PSK");
  EXPECT_EQ(Kind(infra), kItemWpaPsk);

  const Bytes8 adhoc = EntryWithElements(psk, Ndis802_11IBSS);
  EXPECT_EQ(Parse(adhoc).authentication, "WPA-NONE");
  EXPECT_EQ(Kind(adhoc), kItemWpaNone);

  const Bytes8 enterprise = EntryWithElements(WpaElement(kCcmp, {kCcmp}, {kAkm8021X}));
  EXPECT_EQ(Parse(enterprise).cipher, "AES-CCMP");
  EXPECT_EQ(Parse(enterprise).authentication, "WPA");
  EXPECT_EQ(Kind(enterprise), kItemWpa);

  const Bytes8 wrap = EntryWithElements(WpaElement(kWrap, {kTkip}, {0}));
  EXPECT_EQ(Parse(wrap).cipher, "AES-WRAP");
  EXPECT_EQ(Parse(wrap).authentication, "WPA-PSK");  // type 0 counts as pre-shared key
}

TEST(WpaElement, UnknownValuesKeepTheCallersTexts) {
  for (uint8_t wepGroup : {uint8_t{1}, uint8_t{5}}) {
    const Bytes8 e = EntryWithElements(WpaElement(wepGroup, {kTkip}, {kAkmPsk}));
    EXPECT_EQ(Parse(e, "WEP").cipher, "WEP");
    EXPECT_EQ(Parse(e, "Not Use").cipher, "Not Use");
    EXPECT_EQ(Parse(e).authentication, "WPA-PSK");
  }
  const Bytes8 oddAkm = EntryWithElements(WpaElement(kTkip, {kTkip}, {7}));
  EXPECT_EQ(Parse(oddAkm).cipher, "TKIP");
  EXPECT_EQ(Parse(oddAkm).authentication, "Unknow");
  EXPECT_EQ(Kind(oddAkm), kItemNotWpa);

  const Bytes8 noAkm = EntryWithElements(WpaElement(kTkip, {kTkip}, {}));
  EXPECT_EQ(Parse(noAkm).authentication, "Unknow");

  const Bytes8 fixedOnly = EntryWithElements({});
  EXPECT_EQ(Parse(fixedOnly).cipher, "WEP");
  EXPECT_EQ(Kind(fixedOnly), kItemNotWpa);
  EXPECT_EQ(Kind(EntryWithElements(CommonElements())), kItemNotWpa);
}

TEST(WpaElement, KeyManagementFollowsThePairwiseList) {
  const Bytes8 e = EntryWithElements(WpaElement(kTkip, {kTkip, kCcmp}, {kAkm8021X}));
  EXPECT_EQ(Parse(e).authentication, "WPA");
}

TEST(WpaElement, WalkRules) {
  // A short vendor element is stepped over; the WPA element after it decides.
  const Bytes8 shortVendor = Element(0xDD, Bytes8(15, 0x11));
  EXPECT_EQ(Kind(EntryWithElements(Concat({shortVendor, WpaElement(kTkip, {kTkip}, {kAkmPsk})}))),
            kItemWpaPsk);

  // The first long vendor element decides, even when it belongs to someone else.
  const Bytes8 other = WpaElement(kTkip, {kTkip}, {kAkmPsk}, {0x00, 0x50, 0xF2, 0x02});
  const Bytes8 behindOther =
      EntryWithElements(Concat({other, WpaElement(kTkip, {kTkip}, {kAkmPsk})}));
  EXPECT_EQ(Parse(behindOther).cipher, "WEP");
  EXPECT_EQ(Kind(behindOther), kItemNotWpa);

  // An empty element after the first ends the walk.
  const Bytes8 emptyThird = Concat(
      {Element(0, {'a'}), Element(1, {}), Element(3, {6}), WpaElement(kTkip, {kTkip}, {kAkmPsk})});
  EXPECT_EQ(Kind(EntryWithElements(emptyThird)), kItemNotWpa);

  // A hidden network's empty SSID comes first and does not end it.
  const Bytes8 hidden = Concat({Element(0, {}), WpaElement(kTkip, {kTkip}, {kAkmPsk})});
  EXPECT_EQ(Kind(EntryWithElements(hidden)), kItemWpaPsk);
}

TEST(WpaElement, LyingLengthsCountAsAbsent) {
  const Bytes8 wpa = Concat({CommonElements(), WpaElement(kTkip, {kTkip}, {kAkmPsk})});

  // IELength claims more than the entry holds.
  const Bytes8 liar = EntryWithElements(wpa, Ndis802_11Infrastructure, 4000);
  EXPECT_EQ(Parse(liar).cipher, "WEP");
  EXPECT_EQ(Kind(liar), kItemNotWpa);

  // The WPA element claims more than IELength.
  Bytes8 longElement = wpa;
  longElement[CommonElements().size() + 1] = 200;
  EXPECT_EQ(Parse(EntryWithElements(longElement)).cipher, "WEP");

  // A pairwise count that runs past the element: the cipher is named, nothing further read.
  Bytes8 manyPairwise = WpaElement(kTkip, {kTkip}, {kAkmPsk});
  manyPairwise[2 + 10] = 0xFF;
  manyPairwise[2 + 11] = 0xFF;
  const WpaTexts t = Parse(EntryWithElements(manyPairwise));
  EXPECT_EQ(t.cipher, "TKIP");
  EXPECT_EQ(t.authentication, "Unknow");
}

TEST(WpaElement, EveryTruncationIsReadSafely) {
  const Bytes8 entry =
      EntryWithElements(Concat({CommonElements(), WpaElement(kCcmp, {kTkip, kCcmp}, {kAkmPsk})}));
  const ScanEntry whole = Read(entry);
  for (std::size_t n = 0; n <= whole.ies.size(); ++n) {
    // A buffer of exactly n bytes, so the sanitizer sees any read past the end.
    const Bytes8 cut(whole.ies.begin(), whole.ies.begin() + static_cast<std::ptrdiff_t>(n));
    const WpaTexts t = ParseWPAElement(cut, Ndis802_11Infrastructure, {"WEP", "Unknow"});
    if (n == whole.ies.size()) {
      EXPECT_EQ(t.authentication, "WPA-PSK");
    } else {
      EXPECT_EQ(t.cipher, "WEP") << n;
      EXPECT_EQ(t.authentication, "Unknow") << n;
    }
  }
}

TEST(WpaElement, SelectedRowOfTheScanList) {
  const Bytes8 open = EntryWithElements(CommonElements());
  const Bytes8 psk = EntryWithElements(WpaElement(kTkip, {kTkip}, {kAkmPsk}));
  const Bytes8 listBytes = testing::MakeList({open, psk});
  auto list = std::make_unique<BssidList>();
  std::memcpy(list->data(), listBytes.data(), listBytes.size());

  EXPECT_EQ(IsItemWPA(list.get(), 0), kItemNotWpa);  // no selection
  EXPECT_EQ(IsItemWPA(list.get(), 1), kItemNotWpa);
  EXPECT_EQ(IsItemWPA(list.get(), 2), kItemWpaPsk);
  EXPECT_EQ(IsItemWPA(list.get(), 3), kItemNotWpa);  // row beyond the list
  EXPECT_EQ(IsItemWPA(nullptr, 2), kItemNotWpa);
}

}  // namespace
}  // namespace netvane
