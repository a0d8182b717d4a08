// The request rules of CV7000Access against an in-process fake of the service registry.
#include <gtest/gtest.h>

#include <array>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "fake_driver/RecordingAlert.h"
#include "state/SharedState.h"

namespace netvane {
namespace {

using testing::FakeUserClient;

class TransportTest : public ::testing::Test {
 protected:
  void ExpectNothingHeld() {
    EXPECT_FALSE(access.HoldsHandles());
    EXPECT_EQ(fake.LiveHandles(), 0U);
    EXPECT_EQ(fake.badReleases, 0);
  }

  FakeUserClient fake;
  testing::RecordingAlert alert;
  SharedState state;
  CV7000Access access{state, fake, alert, [](unsigned) {}};
};

TEST_F(TransportTest, WithoutAdapterEveryRequestFailsAtOnceAndLeavesTheCount) {
  fake.services.clear();
  std::array<uint8_t, 4> buf{};
  uint32_t count = 1234;
  EXPECT_FALSE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, buf.data(), 4, &count));
  EXPECT_EQ(count, 1234U);
  EXPECT_FALSE(access.OidSetInformation(OID_802_11_SSID, buf.data(), 4, &count, 3));
  EXPECT_EQ(count, 1234U);
  EXPECT_TRUE(fake.calls.empty());
  ExpectNothingHeld();
}

TEST_F(TransportTest, EachFailingStageFailsTheRequestAndReleasesEverything) {
  std::array<uint8_t, 4> buf{};
  uint32_t count = 0;
  for (bool FakeUserClient::*stage :
       {&FakeUserClient::failMasterPort, &FakeUserClient::failMatching, &FakeUserClient::failLookup,
        &FakeUserClient::failOpen}) {
    FakeUserClient f;
    f.*stage = true;
    CV7000Access a{state, f, alert, nullptr};
    EXPECT_FALSE(a.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, buf.data(), 4, &count));
    EXPECT_FALSE(a.HoldsHandles());
    EXPECT_EQ(f.LiveHandles(), 0U);
    EXPECT_EQ(f.badReleases, 0);
    EXPECT_TRUE(f.calls.empty());
  }
}

TEST_F(TransportTest, WithTwoServicesTheLastOneFoundIsUsed) {
  fake.services = {"0", "1"};
  std::array<uint8_t, 4> buf{};
  uint32_t count = 0;
  EXPECT_TRUE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, buf.data(), 4, &count));
  EXPECT_EQ(fake.lastIterations, 2U);
  ASSERT_EQ(fake.calls.size(), 2U);
  EXPECT_EQ(fake.calls[0].service, "1");
  ExpectNothingHeld();
}

TEST_F(TransportTest, QueryOffersTheWholeBufferAndReadsTheAnswerInPlace) {
  fake.Answer(OID_CV_802_11_STA_CONFIG, {1, 2, 3, 4});
  std::array<uint8_t, 32> buf{};
  buf[0] = 0xAA;
  uint32_t count = 0;
  EXPECT_TRUE(access.OidQueryInformation(OID_CV_802_11_STA_CONFIG, buf.data(), 32, &count));
  ASSERT_EQ(fake.calls.size(), 2U);
  const auto& call = fake.calls[0];
  EXPECT_EQ(call.selector, OID_CV_802_11_STA_CONFIG);
  EXPECT_EQ(call.capacity, 32U);
  EXPECT_EQ(call.in.size(), 32U);
  EXPECT_EQ(call.in[0], 0xAA);
  EXPECT_EQ(count, 4U);
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[3], 4);
  // One scalar call with method 1 follows every structure call.
  EXPECT_EQ(fake.calls[1].kind, "scalar");
  EXPECT_EQ(fake.calls[1].selector, 1U);
  ExpectNothingHeld();
}

TEST_F(TransportTest, QueryPassesCodesUnchangedEvenWithTheSetFlag) {
  std::array<uint8_t, 4> buf{};
  uint32_t count = 0;
  access.OidQueryInformation(0x0D81011AU, buf.data(), 4, &count);
  EXPECT_EQ(fake.calls.at(0).selector, 0x0D81011AU);
  EXPECT_EQ(fake.calls.at(0).capacity, 4U);
}

TEST_F(TransportTest, SetAddsTheFlagOnceAndOffersTheCallersCount) {
  std::array<uint8_t, 4> buf{};
  uint32_t count = 0;
  access.OidSetInformation(OID_CV_802_11_PHY_MODE, buf.data(), 4, &count, 3);
  access.OidSetInformation(0x0D81011BU, buf.data(), 4, &count, 3);
  const auto calls = fake.StructCalls();
  ASSERT_EQ(calls.size(), 2U);
  EXPECT_EQ(calls[0].selector, 0x0DF1010CU);
  EXPECT_EQ(calls[1].selector, 0x0D81011BU);
  EXPECT_EQ(calls[0].capacity, 0U);
  EXPECT_EQ(calls[0].in.size(), 4U);
  ExpectNothingHeld();
}

TEST_F(TransportTest, SetNeverOffersMoreRoomThanTheBufferHas) {
  fake.handler = [](uint32_t, const std::vector<uint8_t>&, uint32_t capacity) {
    return testing::FakeReply{0, std::vector<uint8_t>(capacity, 0xEE)};
  };
  std::array<uint8_t, 8> buf{};
  uint32_t count = 4096;
  access.OidSetInformation(OID_802_11_BSSID, buf.data(), 6, &count, 3);
  EXPECT_EQ(fake.StructCalls().at(0).capacity, 6U);
  EXPECT_EQ(buf[6], 0);
}

TEST_F(TransportTest, ARejectedRequestReportsFailureAndStillReleasesEverything) {
  fake.Answer(OID_GEN_MEDIA_CONNECT_STATUS, {}, 0x2BC);
  std::array<uint8_t, 4> buf{};
  uint32_t count = 0;
  EXPECT_FALSE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, buf.data(), 4, &count));
  ExpectNothingHeld();
}

TEST_F(TransportTest, SearchAndOpenHoldAConnectionUntilClosed) {
  EXPECT_TRUE(access.SearchDevice());
  EXPECT_TRUE(access.OpenConnectToDevice());
  EXPECT_TRUE(access.HoldsHandles());
  access.CloseConnectToDevice();
  ExpectNothingHeld();
}

TEST_F(TransportTest, DestroyingTheObjectReleasesAnOpenConnection) {
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
  std::array<uint8_t, 4> buf{};
  uint32_t count = 0;
  access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, buf.data(), 4, &count);
  const std::string err = ::testing::internal::GetCapturedStderr();
  state.__DEBUG__ = 0;
  EXPECT_NE(err.find("**** CV7000Access - Oid = 65812 ****\n"), std::string::npos);
  EXPECT_NE(err.find("**** CV7000Access - SearchDevice - Iterations: 1 ****\n"), std::string::npos);
}

}  // namespace
}  // namespace netvane
