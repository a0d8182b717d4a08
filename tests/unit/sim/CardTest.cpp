// Card facts, settings stored and answered back, argument checks, and the simulated traffic.
#include <gtest/gtest.h>

#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/userclient/Protocol.h"
#include "unit/sim/SimTestSupport.h"

namespace netvane::sim::testing {
namespace {

using userclient::kStatusBadArgs;

// Packed record fields may sit misaligned: compare copies, never references.
template <typename T>
T Copy(T value) {
  return value;
}

TEST(CardTest, CardFactsComeFromTheScenario) {
  Adapter a(MustLoad(R"({"card": {"mac": "02:11:22:33:44:55", "eeprom_version": [3, 14],
      "eeprom_error": true, "hw_radio": false, "supports_5ghz": false}})"));
  EXPECT_EQ(Query(a, OID_802_3_CURRENT_ADDRESS, 6).out, (ByteVec{2, 0x11, 0x22, 0x33, 0x44, 0x55}));
  EXPECT_EQ(Query(a, OID_CV_802_11_EEPROM_VERSION, 4).out, (ByteVec{0, 0, 3, 14}));
  const ByteVec sta = Query(a, OID_CV_802_11_STA_CONFIG, 32).out;
  EXPECT_EQ(WordAt(sta, 28) & kSystemErrorEeprom, kSystemErrorEeprom);
  EXPECT_EQ(WordAt(sta, 20), 0U);
  EXPECT_EQ(Query(a, OID_802_11_NETWORK_TYPES_SUPPORTED, 20).out,
            (ByteVec{2, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}));

  Adapter b(DefaultScenario());
  const ByteVec types = Query(b, OID_802_11_NETWORK_TYPES_SUPPORTED, 20).out;
  EXPECT_EQ(WordAt(types, 0), 3U);
  EXPECT_EQ(WordAt(types, 12), uint32_t{Ndis802_11OFDM5});
  EXPECT_EQ(WordAt(Query(b, OID_CV_802_11_STA_CONFIG, 32).out, 28), 0U);
}

TEST(CardTest, SettingsAreAnsweredBack) {
  Adapter a(DefaultScenario());
  const std::vector<std::pair<uint32_t, ByteVec>> settings = {
      {OID_CV_802_11_PHY_MODE, Word(PHY_11B)},
      {OID_CV_802_11_PREAMBLE, Word(Cv802_11PreambleShort)},
      {OID_802_11_POWER_MODE, Word(Ndis802_11PowerModeMAX_PSP)},
      {OID_CV_802_11_TX_POWER_LEVEL, Word(25)},
      {OID_802_11_RTS_THRESHOLD, Word(500)},
      {OID_802_11_FRAGMENTATION_THRESHOLD, Word(800)},
      {OID_802_11_DESIRED_RATES, ByteVec{22, 0, 0, 0, 0, 0, 0, 0}},
      {OID_CV_802_11_RADIO, ByteVec{1, 0, 0, 0}},
  };
  for (const auto& [oid, value] : settings) {
    EXPECT_EQ(Set(a, oid, value).status, 0U) << std::hex << oid;
    EXPECT_EQ(Query(a, oid, static_cast<uint32_t>(value.size())).out, value) << std::hex << oid;
  }
  // The station configuration keeps what was set, but the card's own bits are the card's.
  Adapter card(MustLoad(R"({"card": {"eeprom_error": true}})"));
  ByteVec sta(32, 0);
  WriteU32(sta, 0, 1);
  WriteU32(sta, 8, 2);
  WriteU32(sta, 24, 0xABCD);
  EXPECT_EQ(Set(card, OID_CV_802_11_STA_CONFIG, sta).status, 0U);
  const ByteVec back = Query(card, OID_CV_802_11_STA_CONFIG, 32).out;
  EXPECT_EQ(WordAt(back, 0), 1U);
  EXPECT_EQ(WordAt(back, 8), 2U);
  EXPECT_EQ(WordAt(back, 24), 0xABCDU);
  EXPECT_EQ(WordAt(back, 20), 1U);
  EXPECT_EQ(WordAt(back, 28), 1U);
}

TEST(CardTest, BadRequestsAreRefusedAndChangeNothing) {
  Adapter a(DefaultScenario());
  EXPECT_EQ(Query(a, 0x0D7101FF, 64).status, kStatusBadArgs);
  EXPECT_EQ(Set(a, 0x0D7101FF, Word(0)).status, kStatusBadArgs);
  EXPECT_EQ(Set(a, OID_GEN_MEDIA_CONNECT_STATUS, Word(0)).status, kStatusBadArgs);
  EXPECT_EQ(Query(a, OID_CV_802_11_STA_CONFIG, 31).status, kStatusBadArgs);
  EXPECT_TRUE(Query(a, OID_CV_802_11_STA_CONFIG, 31).out.empty());
  EXPECT_EQ(Set(a, OID_CV_802_11_PHY_MODE, Word(9)).status, kStatusBadArgs);
  EXPECT_EQ(Set(a, OID_CV_802_11_PHY_MODE, ByteVec{1, 0}).status, kStatusBadArgs);
  EXPECT_EQ(Query(a, OID_CV_802_11_PHY_MODE, 4).out, Word(PHY_11BG_MIXED));
  // A larger capacity than the record still gets just the record.
  EXPECT_EQ(Query(a, OID_802_3_CURRENT_ADDRESS, 64).out.size(), 6U);
}

class TrafficTest : public ::testing::Test {
 protected:
  static void Associate(Adapter& a) {
    JoinOpen(a, "CorvaneGuest");
    ASSERT_TRUE(Connected(a));
  }
  static NDIS_802_11_STATISTICS Stats(Adapter& a) {
    return FromBytes<NDIS_802_11_STATISTICS>(Query(a, OID_802_11_STATISTICS, 100).out);
  }
};

TEST_F(TrafficTest, NothingMovesWhileDisconnected) {
  Adapter a(DefaultScenario());
  for (int i = 0; i < 5; ++i) Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16);
  const auto s = Stats(a);
  EXPECT_EQ(Copy(s.Length), 100U);
  EXPECT_EQ(Copy(s.TransmittedFragmentCount), 0U);
  EXPECT_EQ(Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16).out, ByteVec(16, 0));
}

TEST_F(TrafficTest, CountersGrowPerRequestAndRepeatForTheSameSeed) {
  const auto run = [](uint64_t seed) {
    Scenario s = DefaultScenario();
    s.seed = seed;
    Adapter a(std::move(s));
    Associate(a);
    const auto first = Stats(a);
    for (int i = 0; i < 10; ++i) Query(a, OID_GEN_RCV_OK, 4);
    const auto later = Stats(a);
    EXPECT_GT(Copy(later.TransmittedFragmentCount), Copy(first.TransmittedFragmentCount));
    EXPECT_GT(Copy(later.ReceivedFragmentCount), Copy(first.ReceivedFragmentCount));
    EXPECT_GE(Copy(later.TransmittedFragmentCount), Copy(later.RetryCount));
    return ToBytes(later);
  };
  EXPECT_EQ(run(7), run(7));
  EXPECT_NE(run(7), run(8));
}

TEST_F(TrafficTest, LinkStatusDescribesTheAssociation) {
  Adapter a(DefaultScenario());
  Associate(a);
  const auto link1 =
      FromBytes<CV_802_11_LINK_STATUS>(Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16).out);
  const auto link2 =
      FromBytes<CV_802_11_LINK_STATUS>(Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16).out);
  EXPECT_EQ(Copy(link1.CurrTxRate), 108U);
  EXPECT_LE(Copy(link1.ChannelQuality), 100U);
  EXPECT_GT(Copy(link1.ChannelQuality), 80U);
  EXPECT_GT(Copy(link2.TxByteCount), Copy(link1.TxByteCount));
  EXPECT_GT(Copy(link2.RxByteCount), Copy(link1.RxByteCount));
  const auto rssi = static_cast<int32_t>(WordAt(Query(a, OID_802_11_RSSI, 4).out, 0));
  EXPECT_GE(rssi, -48 - 3);
  EXPECT_LE(rssi, -48 + 3);
}

TEST_F(TrafficTest, ResetThroughTheQueryOperationZeroesTheCounters) {
  Adapter a(DefaultScenario());
  Associate(a);
  for (int i = 0; i < 5; ++i) Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16);
  const Reply reset = a.Handle(0x0DF10103, {}, 0);
  EXPECT_EQ(reset.status, 0U);
  EXPECT_TRUE(reset.out.empty());
  ByteVec zeroed(100, 0);
  zeroed[0] = 100;               // Length
  for (int i = 0; i < 2; ++i) {  // reading the counters does not move them off zero
    EXPECT_EQ(Query(a, OID_802_11_STATISTICS, 100).out, zeroed);
    EXPECT_EQ(Query(a, OID_GEN_RCV_OK, 4).out, Word(0));
    EXPECT_EQ(Query(a, OID_GEN_RCV_NO_BUFFER, 4).out, Word(0));
  }
  Query(a, OID_GEN_MEDIA_CONNECT_STATUS, 4);  // any other request lets traffic flow again
  EXPECT_GT(Copy(Stats(a).TransmittedFragmentCount), 0U);
}

}  // namespace
}  // namespace netvane::sim::testing
