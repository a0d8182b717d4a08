// CV7000Access against an in-process fake of the service registry (the rules of every request,
// the card bring-up, collecting a scan result part by part), and the readers of what a driver
// hands over: scan lists and the signal quality scale.
#include "driver/CV7000Access.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>

#include "driver/ChannelFreqTable.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"

namespace netvane {
namespace {

using testing::FakeReply;
using testing::FakeUserClient;

void ExpectNothingHeld(const CV7000Access& a, const FakeUserClient& f) {
  EXPECT_FALSE(a.HoldsHandles());
  EXPECT_EQ(f.LiveHandles(), 0U);
  EXPECT_EQ(f.badReleases, 0);
}

// A scan list, or one part of one, as a driver lays it out: NumberOfItems (`declared`, or the
// true count), then `count` entries tagged `firstTag` on, of 116 fixed bytes and `ieLength`
// element bytes each. The tag is the last byte of the MAC address and every element byte.
std::vector<uint8_t> List(int count, int firstTag, std::size_t ieLength = 24,
                          uint32_t declared = 0) {
  const std::size_t length = (kBssidEntryFixedLength + ieLength + 3) / 4 * 4;
  std::vector<uint8_t> out(4);
  const auto items = declared != 0 ? declared : static_cast<uint32_t>(count);
  std::memcpy(out.data(), &items, 4);
  for (int tag = firstTag; tag < firstTag + count; ++tag) {
    NDIS_WLAN_BSSID_EX fixed{};
    fixed.Length = static_cast<uint32_t>(length);
    fixed.MacAddress[5] = static_cast<uint8_t>(tag);
    fixed.IELength = static_cast<uint32_t>(ieLength);
    const std::size_t at = out.size();
    out.resize(at + length, static_cast<uint8_t>(tag));
    std::memcpy(&out[at], &fixed, kBssidEntryFixedLength);
  }
  return out;
}

class CV7000AccessTest : public ::testing::Test {
 protected:
  bool Query(uint32_t oid, uint32_t length = 4) {
    return access.OidQueryInformation(oid, buf.data(), length, &count);
  }
  std::vector<uint32_t> Selectors() const {
    std::vector<uint32_t> out;
    for (const auto& c : fake.StructCalls()) out.push_back(c.selector);
    return out;
  }
  // The driver hands out `parts`: the first on the list query, the next on each continuation,
  // then 0 bytes.
  void Serve(std::vector<std::vector<uint8_t>> parts) {
    fake.handler = [parts, next = std::size_t{0}](uint32_t, const auto&, uint32_t) mutable {
      return FakeReply{0, next < parts.size() ? parts[next++] : std::vector<uint8_t>{}};
    };
  }

  std::array<uint8_t, 32> buf{};
  uint32_t count = 0;
  FakeUserClient fake;
  testing::FakeAlert alert;
  std::vector<unsigned> slept;
  SharedState state;
  CV7000Access access{state, fake, alert, [this](unsigned s) { slept.push_back(s); }};
};

TEST_F(CV7000AccessTest, EveryFailureFailsTheRequestAndReleasesEverything) {
  for (const auto stage : {FakeUserClient::kMasterPort, FakeUserClient::kMatching,
                           FakeUserClient::kLookup, FakeUserClient::kOpen}) {
    FakeUserClient f;
    f.failAt = stage;
    CV7000Access a{state, f, alert, nullptr};
    EXPECT_FALSE(a.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, buf.data(), 4, &count));
    ExpectNothingHeld(a, f);
    EXPECT_TRUE(f.calls.empty());
  }
  // No adapter: nothing is sent and the caller's count is left alone.
  fake.services.clear();
  count = 1234;
  EXPECT_FALSE(Query(OID_GEN_MEDIA_CONNECT_STATUS));
  EXPECT_FALSE(access.OidSetInformation(OID_802_11_SSID, buf.data(), 4, &count, 3));
  EXPECT_EQ(count, 1234U);
  EXPECT_TRUE(fake.calls.empty());
  // A refusal by the driver fails the request and still releases everything, and so does an
  // access object that goes away with a connection open.
  fake.services = {"0"};
  fake.Answer(OID_GEN_MEDIA_CONNECT_STATUS, {}, 0x2BC);
  EXPECT_FALSE(Query(OID_GEN_MEDIA_CONNECT_STATUS));
  {
    CV7000Access a{state, fake, alert, nullptr};
    ASSERT_TRUE(a.SearchDevice() && a.OpenConnectToDevice());
  }
  ExpectNothingHeld(access, fake);
}

TEST_F(CV7000AccessTest, QueryOffersTheWholeBufferAndReadsTheAnswerInPlaceFromTheLastService) {
  fake.services = {"0", "1"};
  fake.Answer(OID_CV_802_11_STA_CONFIG, {1, 2, 3, 4});
  buf.fill(0xAA);
  EXPECT_TRUE(Query(OID_CV_802_11_STA_CONFIG, 32));
  ASSERT_EQ(fake.calls.size(), 2U);
  const auto& call = fake.calls[0];
  EXPECT_EQ(call.service, "1");
  EXPECT_EQ(call.capacity, 32U);
  EXPECT_EQ(call.in, std::vector<uint8_t>(32, 0xAA));
  EXPECT_EQ(count, 4U);
  EXPECT_EQ(buf[0], 1);
  // One scalar call with method 1 follows every structure call.
  EXPECT_EQ(fake.calls[1].kind, "scalar");
  EXPECT_EQ(fake.calls[1].selector, 1U);
  // A query passes a code unchanged, set flag or not.
  Query(0x0D81011AU);
  EXPECT_EQ(Selectors(), (std::vector<uint32_t>{OID_CV_802_11_STA_CONFIG, 0x0D81011AU}));
}

TEST_F(CV7000AccessTest, SetAddsTheFlagOnceAndOffersTheCallersCountNeverMoreThanTheBuffer) {
  access.OidSetInformation(OID_CV_802_11_PHY_MODE, buf.data(), 4, &count, 3);
  access.OidSetInformation(0x0D81011BU, buf.data(), 4, &count, 3);
  fake.handler = [](uint32_t, const std::vector<uint8_t>&, uint32_t capacity) {
    return FakeReply{0, std::vector<uint8_t>(capacity, 0xEE)};
  };
  count = 4096;
  access.OidSetInformation(OID_802_11_BSSID, buf.data(), 6, &count, 3);
  const auto calls = fake.StructCalls();
  EXPECT_EQ(Selectors(), (std::vector<uint32_t>{0x0DF1010CU, 0x0D81011BU, 0x0D810101U}));
  EXPECT_EQ(calls[0].capacity, 0U);
  EXPECT_EQ(calls[0].in.size(), 4U);
  EXPECT_EQ(calls[2].capacity, 6U);
  EXPECT_EQ(buf[6], 0);
}

TEST_F(CV7000AccessTest, AnInvalidEepromGetsTheAlertAndNoScan) {
  CV_802_11_STA_CONFIG config{};
  config.SystemErrorBitmap = kSystemErrorEeprom;
  fake.Answer(OID_CV_802_11_STA_CONFIG, testing::Bytes(config));
  EXPECT_FALSE(access.InitCard());
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, "EEPRON error!!");
  EXPECT_EQ(alert.shown[0].informativeText, "EEPROM Version error. Please update EEPROM contents.");
  EXPECT_EQ(Selectors(), std::vector<uint32_t>{OID_CV_802_11_STA_CONFIG});
  EXPECT_TRUE(slept.empty());
}

// The driver's count is never read past the 20-byte buffer.
TEST_F(CV7000AccessTest, FiveGigahertzIsLearnedOnlyFromTheTypesThatFit) {
  const auto answer = [this](std::array<uint32_t, 6> countThenTypes) {
    fake.Answer(OID_802_11_NETWORK_TYPES_SUPPORTED, testing::Bytes(countThenTypes));
    access.CheckPhyMode();
  };
  answer({5, 1, 3, 1, 3, Ndis802_11OFDM5});  // the fifth does not fit the 20-byte buffer
  EXPECT_EQ(fake.StructCalls().at(0).capacity, 20U);
  answer({0xFFFFFFFF, 1, 3});  // a count far beyond the buffer is read no further
  EXPECT_EQ(state.G_bSupportAMode, 0);
  answer({3, Ndis802_11DS, Ndis802_11OFDM24, Ndis802_11OFDM5});
  EXPECT_EQ(state.G_bSupportAMode, 1);
}

TEST_F(CV7000AccessTest, ScanPartsJoinInTheDriversOrderUntilTheFirstEmptyOne) {
  // The second part claims more entries than it holds: only whole entries count.
  Serve({List(3, 1), List(2, 4, 24, 7), List(4, 6)});
  access.QueryBssidList();
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 9U);
  std::vector<int> tags;
  const ScanListView view = state.G_pBssidList->View();
  for (const auto& e : view.Entries()) tags.push_back(e.fields.MacAddress[5]);
  EXPECT_EQ(tags, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(CV7000AccessTest, AScanLargerThanTheListIsCutAtTheLastWholeEntry) {
  // Entries of 1000 bytes, four to a part: 65 fit in 65532 bytes, the 66th does not.
  std::vector<std::vector<uint8_t>> parts;
  for (int p = 0; p < 20; ++p) parts.push_back(List(4, p * 4, 1000 - 116));
  Serve(parts);
  access.QueryBssidList();
  EXPECT_EQ(state.G_pBssidList->View().Count(), 65U);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 65U);
}

TEST_F(CV7000AccessTest, ADriverThatNeverStopsIsCutOff) {
  fake.handler = [this](uint32_t, const std::vector<uint8_t>&, uint32_t) {
    // Garbage, and 0 bytes only far too late.
    return FakeReply{0, std::vector<uint8_t>(fake.calls.size() > 2000 ? 0 : 64, 0x11)};
  };
  access.QueryBssidList();
  EXPECT_LT(fake.calls.size(), 2000U);
  EXPECT_EQ(state.G_pBssidList->View().Count(), 0U);
}

TEST_F(CV7000AccessTest, ARefusedListOrNoAdapterLeavesAnEmptyListAndTheScanStillWaits) {
  fake.Answer(OID_802_11_BSSID_LIST, List(2, 1), 0x2BC);  // refused, bytes anyway
  access.QueryBssidList();
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 0U);
  fake.services.clear();
  state.G_pBssidList.reset();
  access.RescanBssidList();
  access.QueryBssidList();
  EXPECT_EQ(slept, std::vector<unsigned>{2});
  ASSERT_NE(state.G_pBssidList, nullptr);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 0U);
}

TEST(ScanListTest, TheWalkerStopsAtTheFirstMalformedEntryAndStaysInsideTheBuffer) {
  const auto two = List(2, 0, 12);
  const std::size_t second = 4 + 116 + 12;
  const auto patched = [](std::vector<uint8_t> list, std::size_t offset, uint32_t value) {
    std::memcpy(&list.at(offset + 3) - 3, &value, 4);
    return list;
  };
  const std::vector<std::tuple<const char*, std::vector<uint8_t>, std::size_t>> cases = {
      {"zero Length", patched(two, second, 0), 1},
      {"Length below the fixed fields", patched(two, 4, 40), 0},
      {"Length past the buffer", patched(two, second, 5000), 1},
      {"NumberOfItems above the entries", patched(two, 0, 0xFFFFFFFF), 2},
      {"shorter than NumberOfItems", {5, 0}, 0},
      {"IELength past its entry", patched(two, 4 + 112, 500), 2},
  };
  for (const auto& [name, bytes, count] : cases) {
    const ScanListView view(bytes);
    EXPECT_EQ(view.Count(), count) << name;
    EXPECT_LE(view.EndOffset(), bytes.size()) << name;
    for (const auto& e : view.Entries()) {
      EXPECT_LE(e.offset + e.bytes.size(), bytes.size()) << name;
      EXPECT_LE(e.ies.size(), e.bytes.size() - kBssidEntryFixedLength) << name;
    }
  }
}

TEST(ChannelPlanTest, BothBandsToTheirEdgesAndAnyOtherFrequencyInMegahertz) {
  const std::vector<std::pair<uint32_t, std::string>> cases = {
      {2412000, "1"},        {2484000, "14"},         {2485000, "2485 MHz"}, {5160000, "32"},
      {5720000, "144"},      {5825000, "165"},        {5885000, "177"},      {5890000, "5890 MHz"},
      {5250000, "5250 MHz"}, {2412500, "2412.5 MHz"}, {0, "0 MHz"}};
  for (const auto& [kHz, label] : cases) {
    EXPECT_EQ(ChannelLabel(kHz), label) << kHz;
    EXPECT_EQ(ChannelForFrequency(kHz).has_value(), label.find(' ') == std::string::npos) << kHz;
  }
  EXPECT_EQ(FrequencyForChannel(36), std::nullopt) << "ad hoc stays on 2.4 GHz";
}

TEST(SignalQualityTest, ScaleIsContinuousAndTruncates) {
  const std::vector<std::pair<int32_t, uint32_t>> cases = {{-50, 100}, {-51, 99}, {-80, 24},
                                                           {-81, 23},  {-90, 0},  {INT32_MIN, 0}};
  for (const auto& [rssi, quality] : cases) {
    EXPECT_EQ(CV7000Access::ConvertRssiToSignalQuality(rssi), quality) << rssi;
  }
}

}  // namespace
}  // namespace netvane
