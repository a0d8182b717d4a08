// Scan results: whole entries per part, the continuation ending in zero bytes, the entries'
// fields and information elements, and the malformed parts a scenario can ask for.
#include <gtest/gtest.h>

#include <set>

#include "core/Hex.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/userclient/Protocol.h"
#include "unit/sim/SimTestSupport.h"

namespace netvane::sim::testing {
namespace {

struct Collected {
  std::vector<ByteVec> entries;
  std::vector<ByteVec> parts;
};

Collected CollectAll(Adapter& a, uint32_t capacity) {
  Collected c;
  Reply r = Query(a, OID_802_11_BSSID_LIST, capacity);
  while (r.status == 0 && !r.out.empty() && c.parts.size() < 1000) {
    EXPECT_LE(r.out.size(), capacity);
    const auto entries = EntriesOf(r.out);
    EXPECT_EQ(entries.size(), WordAt(r.out, 0));
    std::size_t total = 4;
    for (const auto& e : entries) total += e.size();
    EXPECT_EQ(total, r.out.size()) << "a part holds only whole entries";
    c.entries.insert(c.entries.end(), entries.begin(), entries.end());
    c.parts.push_back(r.out);
    r = Query(a, OID_CV_802_11_BSSID_LIST_NEXT, capacity);
  }
  EXPECT_EQ(r.status, 0U);
  return c;
}

ByteVec FindEntry(const std::vector<ByteVec>& entries, const std::string& bssidHex) {
  for (const auto& e : entries) {
    if (ToHex(std::span(e).subspan(4, 6)) == bssidHex) return e;
  }
  ADD_FAILURE() << "no entry for " << bssidHex;
  return ByteVec(200, 0);
}

ByteVec IesOf(const ByteVec& entry) {
  const uint32_t ieLength = WordAt(entry, 112);
  return {entry.begin() + 116, entry.begin() + 116 + ieLength};
}

TEST(ScanTest, DefaultEnvironmentFitsOnePartAndTheContinuationIsEmpty) {
  Adapter a(DefaultScenario());
  const Collected c = CollectAll(a, 4096);
  EXPECT_EQ(c.parts.size(), 1U);
  EXPECT_EQ(c.entries.size(), 10U);
  const Reply again = Query(a, OID_CV_802_11_BSSID_LIST_NEXT, 4096);
  EXPECT_EQ(again.status, 0U);
  EXPECT_TRUE(again.out.empty());
}

TEST(ScanTest, SmallPartsCarryEveryEntryOnceAndANewListQueryRestarts) {
  Scenario s = DefaultScenario();
  s.maxPartBytes = 600;
  Adapter a(std::move(s));
  const Collected c = CollectAll(a, 4096);
  EXPECT_GT(c.parts.size(), 3U);
  std::set<std::string> bssids;
  for (const auto& e : c.entries) bssids.insert(ToHex(std::span(e).subspan(4, 6)));
  EXPECT_EQ(bssids.size(), 10U);
  EXPECT_EQ(CollectAll(a, 4096).entries, c.entries);
  EXPECT_EQ(Query(a, OID_802_11_BSSID_LIST, 100).status, userclient::kStatusBadArgs);
}

TEST(ScanTest, GeneratedNetworksFillAWholeListInManyParts) {
  Adapter a(
      MustLoad(R"({"scan": {"max_part_bytes": 1024}, "generate": {"count": 400, "seed": 3}})"));
  const Collected c = CollectAll(a, 4096);
  EXPECT_EQ(c.entries.size(), 400U);
  std::size_t bytes = 4;
  for (const auto& e : c.entries) bytes += e.size();
  EXPECT_GT(bytes, kBssidListBufferLength);
}

TEST(ScanTest, InformationElementsCarrySsidRatesChannelAndWpa) {
  Adapter a(DefaultScenario());
  const auto entries = CollectAll(a, 4096).entries;
  const ByteVec home = IesOf(FindEntry(entries, "02c07a000004"));
  EXPECT_EQ(home[8], 100);    // beacon interval
  EXPECT_EQ(home[10], 0x11);  // ESS + privacy
  const std::string ssid = "CorvaneHome";
  ASSERT_EQ(home[12], 0);
  ASSERT_EQ(home[13], ssid.size());
  EXPECT_EQ(std::string(home.begin() + 14, home.begin() + 14 + 11), ssid);
  std::size_t at = 14 + ssid.size();
  EXPECT_EQ(home[at], 1);  // supported rates
  at += 2U + home[at + 1];
  EXPECT_EQ(ByteVec(home.begin() + static_cast<long>(at), home.begin() + static_cast<long>(at) + 3),
            (ByteVec{3, 1, 3}));  // DS parameter set, channel 3
  const std::string wpa =
      "dd16"
      "0050f201"
      "0100"
      "0050f202"
      "0100"
      "0050f202"
      "0100"
      "0050f202";
  EXPECT_NE(ToHex(home).find(wpa), std::string::npos) << ToHex(home);

  const std::string corp = ToHex(IesOf(FindEntry(entries, "02c07a000006")));
  EXPECT_NE(corp.find("dd1a0050f20101000050f20202000050f2020050f20401000050f201"),
            std::string::npos);
  const std::string mesh = ToHex(IesOf(FindEntry(entries, "02c07a000009")));
  EXPECT_NE(mesh.find("0050f202"), std::string::npos);
  EXPECT_EQ(IesOf(FindEntry(entries, "02c07a000008"))[10], 0x02);  // IBSS, no privacy
  EXPECT_EQ(ToHex(IesOf(FindEntry(entries, "02c07a000001"))).find("dd"), std::string::npos);
}

TEST(ScanTest, RadioOffAndCardWithout5GHzHearLess) {
  Adapter a(DefaultScenario());
  Set(a, OID_CV_802_11_RADIO, Word(0));
  EXPECT_EQ(Set(a, OID_802_11_BSSID_LIST_SCAN, Word(0)).status, 0U);
  EXPECT_EQ(Query(a, OID_802_11_BSSID_LIST, 4096).out, Word(0));

  Scenario s = DefaultScenario();
  s.card.supports5GHz = false;
  Adapter b(std::move(s));
  EXPECT_EQ(CollectAll(b, 4096).entries.size(), 9U);
}

TEST(ScanTest, MalformedPartFaults) {
  const auto firstPart = [](const std::string& fault) {
    Adapter a(MustLoad(R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"}],
                           "faults": {"malformed_scan": ")" +
                       fault + R"("}})"));
    return Query(a, OID_802_11_BSSID_LIST, 4096).out;
  };
  EXPECT_EQ(WordAt(firstPart("zero_length"), 4), 0U);
  EXPECT_LT(WordAt(firstPart("short_entry"), 4), 116U);
  const ByteVec overlong = firstPart("overlong_entry");
  EXPECT_GT(WordAt(overlong, 4) + 4, overlong.size());
  EXPECT_EQ(WordAt(firstPart("count_too_large"), 0), 6U);
}

}  // namespace
}  // namespace netvane::sim::testing
