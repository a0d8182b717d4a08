// Reading the RSN element of scan entries: RSN over WPA, the defaults of fields it leaves off,
// and elements that lie about their lengths and counts. The name of each kind is proved end to
// end, from the simulator's elements, by the command line's scan.
#include <gtest/gtest.h>

#include "driver/ScanList.h"
#include "survey/WpaElement.h"
#include "unit/survey/IeBuilders.h"

namespace netvane {
namespace {

using namespace testing;  // NOLINT(google-build-using-namespace) the builders

constexpr uint8_t kTkip = 2, kCcmp = 4, kGcmp = 8, kPsk = 2, kSae = 8;

// "cipher authentication kind" of an entry with these elements, parsed from "WEP" and "Unknow".
std::string Texts(const Bytes8& elements) {
  const Bytes8 entry = EntryWithElements(elements);
  const ScanEntry e = ReadScanEntry(entry, 0).value();
  const WpaTexts t = ParseWPAElement(e, {"WEP", "Unknow"});
  return t.cipher + " " + t.authentication + " " + std::to_string(IsItemWPA(e));
}

Bytes8 Rsn(const Bytes8& body) {
  return Concat({CommonElements(), Element(48, body)});
}

TEST(RsnElement, DecidesOverWpaAndReadsOnlyWhatAWellFormedElementHolds) {
  const Bytes8 wpa = WpaElement(kTkip, {kTkip}, {kPsk});
  Bytes8 pairwisePastEnd = RsnBody(kCcmp, {kCcmp}, {kPsk});
  pairwisePastEnd[6] = 4;  // four pairwise suites: 16 bytes, 12 left in the element
  Bytes8 keyMgmtPastEnd = RsnBody(kCcmp, {kCcmp}, {kPsk});
  keyMgmtPastEnd[12] = 2;
  Bytes8 pastEntry = Rsn(RsnBody(kCcmp, {kCcmp}, {kPsk}));
  pastEntry[CommonElements().size() + 1] = 200;
  const Bytes8 full = RsnBody(kTkip, {kTkip}, {kPsk});
  const auto cut = [&full](std::size_t n) {
    return Bytes8(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
  };

  const struct {
    const char* what;
    Bytes8 elements;
    const char* texts;
  } cases[] = {
      {"RSN decides, after the WPA element too",
       Concat({wpa, Element(48, RsnBody(kCcmp, {kCcmp}, {kSae}))}), "AES-CCMP WPA3-SAE 6"},
      {"a version 2 element leaves the WPA one to decide",
       Concat({Element(48, RsnBody(kCcmp, {kCcmp}, {kSae}, 2)), wpa}), "TKIP WPA-PSK 2"},
      {"pairwise count past the element", Rsn(pairwisePastEnd), "WEP Unknow 0"},
      {"key-management count past the element", Rsn(keyMgmtPastEnd), "WEP Unknow 0"},
      {"element past the entry", pastEntry, "WEP Unknow 0"},
      {"no pairwise suites: the group cipher", Rsn(RsnBody(kTkip, {}, {kPsk})), "TKIP WPA2-PSK 5"},
      {"unknown key management", Rsn(RsnBody(kCcmp, {kCcmp}, {99})), "AES-CCMP Unknow 0"},
      {"ciphers Netvane does not name", Rsn(RsnBody(kGcmp, {kGcmp}, {kPsk})), "WEP WPA2-PSK 5"},
      {"version alone: 802.11's defaults", Rsn(cut(2)), "AES-CCMP WPA2 4"},
      {"group cipher, then a cut count", Rsn(cut(7)), "TKIP+AES-CCMP WPA2 4"},
      {"key management, then half the capabilities", Rsn(cut(full.size() - 1)), "TKIP WPA2-PSK 5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Texts(c.elements), c.texts) << c.what;
  }
}

}  // namespace
}  // namespace netvane
