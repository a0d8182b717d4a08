// The request rules of CV7000Access against an in-process fake of the service registry.
#include <gtest/gtest.h>

#include <array>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"

namespace netvane {
namespace {

using testing::FakeUserClient;

class TransportTest : public ::testing::Test {
 protected:
  void ExpectNothingHeld(const CV7000Access& a, const FakeUserClient& f) {
    EXPECT_FALSE(a.HoldsHandles());
    EXPECT_EQ(f.LiveHandles(), 0U);
    EXPECT_EQ(f.badReleases, 0);
  }
  bool Query(uint32_t oid, uint32_t length = 4) {
    return access.OidQueryInformation(oid, buf.data(), length, &count);
  }

  std::array<uint8_t, 32> buf{};
  uint32_t count = 0;
  FakeUserClient fake;
  testing::FakeAlert alert;
  SharedState state;
  CV7000Access access{state, fake, alert, [](unsigned) {}};
};

TEST_F(TransportTest, EveryFailureFailsTheRequestAndReleasesEverything) {
  for (bool FakeUserClient::*stage :
       {&FakeUserClient::failMasterPort, &FakeUserClient::failMatching, &FakeUserClient::failLookup,
        &FakeUserClient::failOpen}) {
    FakeUserClient f;
    f.*stage = true;
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
  // A refusal by the driver fails the request, and still releases everything.
  fake.services = {"0"};
  fake.Answer(OID_GEN_MEDIA_CONNECT_STATUS, {}, 0x2BC);
  EXPECT_FALSE(Query(OID_GEN_MEDIA_CONNECT_STATUS));
  ExpectNothingHeld(access, fake);
}

TEST_F(TransportTest, QueryOffersTheWholeBufferAndReadsTheAnswerInPlaceFromTheLastService) {
  fake.services = {"0", "1"};
  fake.Answer(OID_CV_802_11_STA_CONFIG, {1, 2, 3, 4});
  buf[0] = 0xAA;
  EXPECT_TRUE(Query(OID_CV_802_11_STA_CONFIG, 32));
  ASSERT_EQ(fake.calls.size(), 2U);
  const auto& call = fake.calls[0];
  EXPECT_EQ(call.service, "1");
  EXPECT_EQ(fake.lastIterations, 2U);
  EXPECT_EQ(call.selector, OID_CV_802_11_STA_CONFIG);
  EXPECT_EQ(call.capacity, 32U);
  ASSERT_EQ(call.in.size(), 32U);
  EXPECT_EQ(call.in[0], 0xAA);
  EXPECT_EQ(count, 4U);
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[3], 4);
  // One scalar call with method 1 follows every structure call.
  EXPECT_EQ(fake.calls[1].kind, "scalar");
  EXPECT_EQ(fake.calls[1].selector, 1U);
  ExpectNothingHeld(access, fake);
  // A query passes a code unchanged, set flag or not.
  Query(0x0D81011AU);
  EXPECT_EQ(fake.StructCalls().back().selector, 0x0D81011AU);
}

TEST_F(TransportTest, SetAddsTheFlagOnceAndOffersTheCallersCountNeverMoreThanTheBuffer) {
  access.OidSetInformation(OID_CV_802_11_PHY_MODE, buf.data(), 4, &count, 3);
  access.OidSetInformation(0x0D81011BU, buf.data(), 4, &count, 3);
  fake.handler = [](uint32_t, const std::vector<uint8_t>&, uint32_t capacity) {
    return testing::FakeReply{0, std::vector<uint8_t>(capacity, 0xEE)};
  };
  count = 4096;
  access.OidSetInformation(OID_802_11_BSSID, buf.data(), 6, &count, 3);
  const auto calls = fake.StructCalls();
  ASSERT_EQ(calls.size(), 3U);
  EXPECT_EQ(calls[0].selector, 0x0DF1010CU);
  EXPECT_EQ(calls[1].selector, 0x0D81011BU);
  EXPECT_EQ(calls[0].capacity, 0U);
  EXPECT_EQ(calls[0].in.size(), 4U);
  EXPECT_EQ(calls[2].capacity, 6U);
  EXPECT_EQ(buf[6], 0);
  ExpectNothingHeld(access, fake);
}

TEST_F(TransportTest, AnOpenConnectionIsHeldUntilClosedOrDestroyed) {
  EXPECT_TRUE(access.SearchDevice());
  EXPECT_TRUE(access.OpenConnectToDevice());
  EXPECT_TRUE(access.HoldsHandles());
  access.CloseConnectToDevice();
  ExpectNothingHeld(access, fake);
  {
    CV7000Access a{state, fake, alert, nullptr};
    ASSERT_TRUE(a.SearchDevice());
    ASSERT_TRUE(a.OpenConnectToDevice());
  }
  EXPECT_EQ(fake.LiveHandles(), 0U);
  EXPECT_EQ(fake.badReleases, 0);
}

TEST_F(TransportTest, DebugTraceNamesTheOidInDecimal) {
  state.__DEBUG__ = 1;
  ::testing::internal::CaptureStderr();
  Query(OID_GEN_MEDIA_CONNECT_STATUS);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("**** CV7000Access - Oid = 65812 ****\n"), std::string::npos);
  EXPECT_NE(err.find("**** CV7000Access - SearchDevice - Iterations: 1 ****\n"), std::string::npos);
}

}  // namespace
}  // namespace netvane
