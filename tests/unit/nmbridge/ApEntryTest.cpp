// Access points turned into scan entries: the security elements as Netvane's own parsers read
// them back, and what the scan end to end does not show (ad hoc, hidden, 802.11b-only rates,
// 6 GHz channels, RSSI rounding).
#include <gtest/gtest.h>

#include "core/ApElements.h"
#include "core/ApEntry.h"
#include "driver/ScanList.h"
#include "survey/RsnElement.h"
#include "survey/WpaElement.h"
#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::Ap;

// A scan list holding the access point's entry alone.
driverkit::Bytes ListOf(const AccessPointState& ap) {
  const driverkit::Bytes entry = EntryOf(ap).value();
  driverkit::Bytes list = driverkit::ToBytes(uint32_t{1});
  list.insert(list.end(), entry.begin(), entry.end());
  return list;
}

TEST(ApElements, RsnFromFlagsReadsBackAsNetworkManagerSawIt) {
  // WPA2-PSK with CCMP, byte for byte.
  const driverkit::Bytes wpa2 = {0x01, 0x00, 0x00, 0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F,
                                 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC, 0x02, 0x00, 0x00};
  EXPECT_EQ(RsnBody(0x188), wpa2);

  // Two group bits: the weakest is announced, so a mixed network shows both ciphers.
  const auto mixed =
      ReadRsnElement(RsnBody(kGroupTkip | kGroupCcmp | kPairCcmp | kPairTkip | kKeyMgmtPsk));
  ASSERT_TRUE(mixed);
  EXPECT_EQ(mixed->groupCipher, kRsnTkip);

  // SAE and OWE carry the MFP-capable bit; PSK beside SAE is the transition mode.
  const auto transition = ReadRsnElement(RsnBody(0x188 | kKeyMgmtSae));
  ASSERT_TRUE(transition);
  EXPECT_EQ(transition->capabilities, 0x0080);
  EXPECT_EQ(transition->keyManagement, kRsnPsk | kRsnSae);
  EXPECT_EQ(ReadRsnElement(RsnBody(kGroupCcmp | kPairCcmp | kKeyMgmtOwe))->capabilities, 0x0080);
  EXPECT_EQ(ReadRsnElement(RsnBody(0x188))->capabilities, 0);
}

TEST(ApElements, WpaAndRsnTogetherShowTheRsnSide) {
  AccessPointState ap = Ap("/ap/1", "Cafe", 1, 2437);
  ap.flags = kApFlagPrivacy;
  ap.wpaFlags = kGroupTkip | kPairTkip | kKeyMgmtPsk;
  ap.rsnFlags = kGroupTkip | kPairTkip | kPairCcmp | kKeyMgmtPsk;
  const driverkit::Bytes list = ListOf(ap);
  const auto texts = ParseWPAElement(ScanListView(list).At(0).value(), WpaTexts{});
  EXPECT_EQ(texts.authentication, "WPA2-PSK");
  EXPECT_EQ(texts.cipher, kMixedCipherText);
}

TEST(ApEntry, ChannelAndSignalConversions) {
  EXPECT_EQ(ChannelOfFrequency(2484), 14);
  EXPECT_EQ(ChannelOfFrequency(5955), 1);  // 6 GHz
  EXPECT_EQ(ChannelOfFrequency(5935), 2);
  EXPECT_EQ(ChannelOfFrequency(1000), 0);
  EXPECT_EQ(RssiOfStrength(100), -40);
  EXPECT_EQ(RssiOfStrength(1), -99);  // rounded, not cut
}

TEST(ApEntry, HiddenAdhocAtElevenMbitAndTheHostsOwnAccessPoint) {
  AccessPointState ap = Ap("/ap/3", "", 3, 2412);
  ap.mode = kModeAdhoc;
  ap.flags = kApFlagPrivacy;
  ap.maxBitrateKbps = 11000;
  const driverkit::Bytes list = ListOf(ap);
  const ScanEntry e = ScanListView(list).At(0).value();
  EXPECT_EQ(e.fields.Ssid.SsidLength, 0U);
  EXPECT_EQ(e.fields.InfrastructureMode, Ndis802_11IBSS);
  EXPECT_EQ(e.ies[10], 0x12);  // IBSS | privacy
  // 11 Mbit/s at most: the four b rates alone.
  EXPECT_EQ(e.fields.SupportedRates[3], 0x96);  // 11 Mbit/s, basic
  EXPECT_EQ(e.fields.SupportedRates[4], 0);

  ap.mode = 3;  // an access point of this host: not a network to join
  EXPECT_FALSE(EntryOf(ap));
}

}  // namespace
}  // namespace netvane::nmbridge
