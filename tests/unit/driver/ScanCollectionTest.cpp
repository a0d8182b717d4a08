// Collecting the scan result part by part, and walking untrusted lists.
#include <gtest/gtest.h>

#include <deque>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"
#include "unit/driver/ScanBuilders.h"

namespace netvane {
namespace {

using testing::FakeReply;
using testing::MakeEntry;
using testing::MakeList;

std::vector<std::vector<uint8_t>> Entries(int count, int firstTag, std::size_t ieLength = 24) {
  std::vector<std::vector<uint8_t>> out;
  for (int i = 0; i < count; ++i) {
    const auto tag = static_cast<uint8_t>(firstTag + i);
    out.push_back(MakeEntry("net" + std::to_string(tag), ieLength, tag));
  }
  return out;
}

std::vector<int> TagsOf(const ScanListView& view) {
  std::vector<int> tags;
  for (const auto& e : view.Entries()) tags.push_back(e.fields.MacAddress[5]);
  return tags;
}

// A driver that hands out the given parts: the first on the list query, the rest on the
// continuation query, then 0 bytes.
class PartsDriver {
 public:
  explicit PartsDriver(testing::FakeUserClient& fake, std::vector<std::vector<uint8_t>> parts)
      : parts_(parts.begin(), parts.end()) {
    fake.handler = [this](uint32_t selector, const std::vector<uint8_t>&, uint32_t) {
      ++requests;
      if (selector == OID_802_11_BSSID_LIST) return FakeReply{0, Take()};
      if (selector == OID_CV_802_11_BSSID_LIST_NEXT) return FakeReply{0, Take()};
      return FakeReply{};
    };
  }
  int requests = 0;

 private:
  std::vector<uint8_t> Take() {
    if (parts_.empty()) return {};
    auto p = parts_.front();
    parts_.pop_front();
    return p;
  }
  std::deque<std::vector<uint8_t>> parts_;
};

class ScanCollectionTest : public ::testing::Test {
 protected:
  testing::FakeUserClient fake;
  testing::FakeAlert alert;
  SharedState state;
  CV7000Access access{state, fake, alert, [](unsigned) {}};
};

TEST_F(ScanCollectionTest, PartsOfThreeTwoAndFourJoinInTheDriversOrder) {
  PartsDriver driver(fake,
                     {MakeList(Entries(3, 1)), MakeList(Entries(2, 4)), MakeList(Entries(4, 6))});
  access.QueryBssidList();
  ASSERT_NE(state.G_pBssidList, nullptr);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 9U);
  EXPECT_EQ(TagsOf(state.G_pBssidList->View()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(driver.requests, 4);  // the list, two continuations, the empty one
}

TEST_F(ScanCollectionTest, AResultInOnePartStopsAtTheFirstEmptyContinuation) {
  PartsDriver driver(fake, {MakeList(Entries(2, 1))});
  access.QueryBssidList();
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 2U);
  EXPECT_EQ(driver.requests, 2);
  const auto calls = fake.StructCalls();
  EXPECT_EQ(calls[0].selector, OID_802_11_BSSID_LIST);
  EXPECT_EQ(calls[0].capacity, 4096U);
  EXPECT_EQ(calls[1].selector, OID_CV_802_11_BSSID_LIST_NEXT);
  EXPECT_EQ(calls[1].capacity, 4096U);
}

TEST_F(ScanCollectionTest, AResultLargerThanTheListIsCutAtTheLastWholeEntry) {
  // Entries of 1000 bytes, four to a part: 65 fit in 65532 bytes, the 66th does not.
  std::vector<std::vector<uint8_t>> parts;
  for (int p = 0; p < 20; ++p) parts.push_back(MakeList(Entries(4, p * 4, 1000 - 116)));
  PartsDriver driver(fake, parts);
  access.QueryBssidList();
  const auto view = state.G_pBssidList->View();
  EXPECT_EQ(view.Count(), 65U);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 65U);
  EXPECT_LE(view.EndOffset(), kBssidListBufferLength);
}

TEST_F(ScanCollectionTest, FailedListQueryLeavesAnEmptyList) {
  fake.Answer(OID_802_11_BSSID_LIST, MakeList(Entries(2, 1)), 0x2BC);
  access.QueryBssidList();
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 0U);
  EXPECT_EQ(state.G_pBssidList->View().Count(), 0U);
}

TEST_F(ScanCollectionTest, WithoutAdapterTheScanWaitsAndLeavesAnEmptyList) {
  fake.services.clear();
  std::vector<unsigned> slept;
  CV7000Access a{state, fake, alert, [&](unsigned s) { slept.push_back(s); }};
  a.RescanBssidList();
  a.QueryBssidList();
  EXPECT_EQ(slept, std::vector<unsigned>{2});
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 0U);
}

TEST_F(ScanCollectionTest, TheTriggerIsTheSetCodeThroughTheQueryWithFourZeroBytes) {
  access.RescanBssidList();
  const auto calls = fake.StructCalls();
  ASSERT_EQ(calls.size(), 1U);
  EXPECT_EQ(calls[0].selector, 0x0D81011AU);
  EXPECT_EQ(calls[0].in, std::vector<uint8_t>(4, 0));
  EXPECT_EQ(calls[0].capacity, 4U);
}

TEST_F(ScanCollectionTest, ADriverThatNeverStopsIsCutOff) {
  int requests = 0;
  fake.handler = [&](uint32_t, const std::vector<uint8_t>&, uint32_t) {
    ++requests;
    return FakeReply{0, std::vector<uint8_t>(64, 0x11)};  // garbage, never 0 bytes
  };
  access.QueryBssidList();
  EXPECT_LT(requests, 1000);
  EXPECT_EQ(state.G_pBssidList->View().Count(), 0U);
}

// Malformed lists: every reader must stop inside the buffer.
struct Malformed {
  const char* name;
  std::function<std::vector<uint8_t>()> make;
  std::size_t expected;
};

class MalformedListTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedListTest, WalkerStaysInsideTheBuffer) {
  const auto bytes = GetParam().make();
  const ScanListView view(bytes);
  EXPECT_EQ(view.Count(), GetParam().expected);
  EXPECT_LE(view.EndOffset(), bytes.size());
  for (const auto& e : view.Entries()) {
    EXPECT_LE(e.offset + e.bytes.size(), bytes.size());
    EXPECT_LE(e.ies.size(), e.bytes.size() - kBssidEntryFixedLength);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MalformedListTest,
    ::testing::Values(Malformed{"ZeroLength",
                                [] {
                                  auto l = MakeList({MakeEntry("a"), MakeEntry("b")});
                                  testing::SetU32(l, 4 + MakeEntry("a").size(), 0);
                                  return l;
                                },
                                1},
                      Malformed{"ShorterThanFixedFields",
                                [] {
                                  auto l = MakeList({MakeEntry("a")});
                                  testing::SetU32(l, 4, 40);
                                  return l;
                                },
                                0},
                      Malformed{"ReachingPastTheBuffer",
                                [] {
                                  auto l = MakeList({MakeEntry("a"), MakeEntry("b")});
                                  testing::SetU32(l, 4 + MakeEntry("a").size(), 5000);
                                  return l;
                                },
                                1},
                      Malformed{"CountLargerThanPresent",
                                [] {
                                  return MakeList({MakeEntry("a"), MakeEntry("b")}, 0xFFFFFFFF);
                                },
                                2},
                      Malformed{"ShorterThanTheCount",
                                [] {
                                  return std::vector<uint8_t>{5, 0};
                                },
                                0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ScanListTest, IeLengthThatLiesMeansNoElements) {
  auto l = MakeList({MakeEntry("a", 12)});
  testing::SetU32(l, 4 + 112, 500);
  const ScanListView view(l);
  ASSERT_EQ(view.Count(), 1U);
  EXPECT_TRUE(view.Entries()[0].ies.empty());
}

TEST(ScanListTest, AppendingAPartWithALyingCountCopiesOnlyWholeEntries) {
  BssidList list;
  const auto part = MakeList(Entries(2, 1), 7);
  EXPECT_EQ(list.AppendPart(part), 2U);
  EXPECT_EQ(list.NumberOfItems(), 2U);
  EXPECT_EQ(list.AppendPart(MakeList(Entries(1, 3))), 1U);
  EXPECT_EQ(TagsOf(list.View()), (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace netvane
