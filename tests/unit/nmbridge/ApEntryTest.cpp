// Access points turned into scan entries: the security elements the survey reads back, and
// whole entries walked by the scan-list reader from the parts the list queries give.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ApElements.h"
#include "core/ApEntry.h"
#include "driver/ScanList.h"
#include "survey/RsnElement.h"
#include "survey/WpaElement.h"
#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::Ap;
using testing::Bridge;
using testing::Device;

WpaTexts TextsOf(const AccessPointState& ap) {
  const driverkit::Bytes entry = EntryOf(ap).value();
  driverkit::Bytes part = driverkit::ToBytes(uint32_t{1});
  part.insert(part.end(), entry.begin(), entry.end());
  const ScanListView list(part);
  const auto e = list.At(0);
  return e ? ParseWPAElement(*e, WpaTexts{"none", "none"}) : WpaTexts{};
}

// The element of `id` among an entry's information elements (after the 12 fixed bytes).
std::optional<driverkit::Bytes> ElementOf(const ScanEntry& e, uint8_t id) {
  for (std::size_t at = 12; at + 2 <= e.ies.size(); at += 2U + e.ies[at + 1]) {
    if (e.ies[at] == id && at + 2 + e.ies[at + 1] <= e.ies.size()) {
      return driverkit::Bytes(e.ies.begin() + static_cast<long>(at) + 2,
                              e.ies.begin() + static_cast<long>(at) + 2 + e.ies[at + 1]);
    }
  }
  return std::nullopt;
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

TEST(ApElements, SurveyShowsWhatTheFlagsSay) {
  AccessPointState ap = Ap("/ap/1", "Cafe", 1, 2437);
  ap.flags = kApFlagPrivacy;
  ap.wpaFlags = kGroupTkip | kPairTkip | kKeyMgmtPsk;
  EXPECT_EQ(TextsOf(ap).authentication, "WPA-PSK");
  EXPECT_EQ(TextsOf(ap).cipher, "TKIP");

  // WPA and RSN both offered: the RSN element decides.
  ap.rsnFlags = kGroupTkip | kPairTkip | kPairCcmp | kKeyMgmtPsk;
  EXPECT_EQ(TextsOf(ap).authentication, "WPA2-PSK");
  EXPECT_EQ(TextsOf(ap).cipher, kMixedCipherText);

  ap.wpaFlags = 0;
  ap.rsnFlags = kGroupCcmp | kPairCcmp | kKeyMgmtSae;
  EXPECT_EQ(TextsOf(ap).authentication, "WPA3-SAE");
}

TEST(ApEntry, ChannelAndSignalConversions) {
  EXPECT_EQ(ChannelOfFrequency(2484), 14);
  EXPECT_EQ(ChannelOfFrequency(5955), 1);  // 6 GHz
  EXPECT_EQ(ChannelOfFrequency(5935), 2);
  EXPECT_EQ(ChannelOfFrequency(1000), 0);
  EXPECT_EQ(RssiOfStrength(100), -40);
  EXPECT_EQ(RssiOfStrength(1), -99);  // rounded, not cut
}

class ScanListTest : public ::testing::Test {
 protected:
  ScanListTest()
      : bridge_([] {
          DeviceState d = Device();
          AccessPointState home = Ap("/ap/1", "Home", 1, 2437);
          home.flags = kApFlagPrivacy;
          home.rsnFlags = 0x188;
          home.strength = 80;
          AccessPointState fast = Ap("/ap/2", "Fast", 2, 5180);
          AccessPointState hidden = Ap("/ap/3", "", 3, 2412);
          hidden.mode = kModeAdhoc;
          hidden.flags = kApFlagPrivacy;
          hidden.maxBitrateKbps = 11000;
          AccessPointState hotspot = Ap("/ap/4", "ThisHost", 4, 2462);
          hotspot.mode = 3;  // an access point of this host: not a network to join
          d.accessPoints = {home, fast, hidden, hotspot};
          return d;
        }()) {}

  // Every part until the empty one, read as Netvane reads it.
  std::vector<ScanEntry> ReadAll(uint32_t capacity, std::vector<driverkit::Bytes>& parts) {
    std::vector<ScanEntry> entries;
    auto reply = bridge_.Query(OID_802_11_BSSID_LIST, capacity);
    while (reply.status == userclient::kStatusSuccess && !reply.out.empty()) {
      parts.push_back(reply.out);
      const ScanListView view(parts.back());
      EXPECT_EQ(view.Count(), view.DeclaredCount());
      entries.insert(entries.end(), view.Entries().begin(), view.Entries().end());
      reply = bridge_.Query(OID_CV_802_11_BSSID_LIST_NEXT, capacity);
    }
    EXPECT_EQ(reply.status, userclient::kStatusSuccess);
    return entries;
  }

  Bridge bridge_;
};

TEST_F(ScanListTest, EntriesCarryTheAccessPointsFields) {
  std::vector<driverkit::Bytes> parts;
  const auto entries = ReadAll(4096, parts);
  ASSERT_EQ(entries.size(), 3U);  // the host's own access point is left out
  EXPECT_EQ(parts.size(), 1U);

  const NDIS_WLAN_BSSID_EX& home = entries[0].fields;
  EXPECT_EQ(SsidText(home.Ssid), "Home");
  EXPECT_EQ(home.Privacy, 1U);
  EXPECT_EQ(home.Rssi, -52);
  EXPECT_EQ(home.NetworkTypeInUse, Ndis802_11DS);
  EXPECT_EQ(home.Configuration.DSConfig, 2437000U);
  EXPECT_EQ(home.InfrastructureMode, Ndis802_11Infrastructure);
  EXPECT_EQ(home.SupportedRates[11], 0x6C);  // the twelve b/g rates
  EXPECT_EQ(ElementOf(entries[0], 3), driverkit::Bytes{6});
  EXPECT_EQ(ElementOf(entries[0], 50)->size(), 4U);  // rates past the first eight
  EXPECT_EQ(entries[0].ies[10], 0x11);               // ESS | privacy
  EXPECT_EQ(ParseWPAElement(entries[0], {}).authentication, "WPA2-PSK");

  const NDIS_WLAN_BSSID_EX& fast = entries[1].fields;
  EXPECT_EQ(fast.NetworkTypeInUse, Ndis802_11OFDM5);
  EXPECT_EQ(fast.SupportedRates[0], 0x8C);  // OFDM only
  EXPECT_EQ(ElementOf(entries[1], 3), driverkit::Bytes{36});

  const NDIS_WLAN_BSSID_EX& hidden = entries[2].fields;
  EXPECT_EQ(hidden.Ssid.SsidLength, 0U);
  EXPECT_EQ(hidden.InfrastructureMode, Ndis802_11IBSS);
  EXPECT_EQ(entries[2].ies[10], 0x12);     // IBSS | privacy
  EXPECT_EQ(hidden.SupportedRates[4], 0);  // 11 Mbit/s at most: the b rates alone
  EXPECT_EQ(ElementOf(entries[2], 0)->size(), 0U);
}

TEST_F(ScanListTest, PartsHoldWholeEntriesAndAnEmptyOneEnds) {
  std::vector<driverkit::Bytes> whole;
  const auto all = ReadAll(4096, whole);
  const auto roomForOne = static_cast<uint32_t>(4 + all[0].bytes.size());
  std::vector<driverkit::Bytes> parts;
  const auto entries = ReadAll(roomForOne, parts);
  EXPECT_EQ(entries.size(), 3U);
  EXPECT_GE(parts.size(), 2U);

  // The list query starts over from the first entry; too small a buffer is bad arguments.
  EXPECT_EQ(bridge_.Query(OID_802_11_BSSID_LIST, 100).status, userclient::kStatusBadArgs);
}

}  // namespace
}  // namespace netvane::nmbridge
