// Frames read from a byte buffer, replies, fault injection and the trace lines.
#include <gtest/gtest.h>

#include "core/Frame.h"
#include "core/Service.h"
#include "driver/Oids.h"
#include "platform/userclient/Protocol.h"
#include "unit/sim/SimTestSupport.h"

namespace netvane::sim::testing {
namespace {

namespace uc = userclient;

TEST(FrameTest, ARequestIsCompleteOnlyWithItsWholePayload) {
  const ByteVec frame = EncodeRequest(uc::kKindStructure, 0x0D710111, ByteVec(32, 7), 32);
  for (std::size_t n = 0; n < frame.size(); ++n) {
    EXPECT_EQ(ParseRequest(std::span(frame).first(n)).status, FrameStatus::kNeedMore) << n;
  }
  ByteVec two = frame;
  const ByteVec scalar = EncodeRequest(uc::kKindScalar, 1, {}, 0);
  two.insert(two.end(), scalar.begin(), scalar.end());
  const FrameParse p = ParseRequest(two);
  ASSERT_EQ(p.status, FrameStatus::kComplete);
  EXPECT_EQ(p.frameLength, frame.size());
  EXPECT_EQ(p.request.selector, 0x0D710111U);
  EXPECT_EQ(p.request.outCapacity, 32U);
  EXPECT_EQ(ByteVec(p.request.in.begin(), p.request.in.end()), ByteVec(32, 7));
  EXPECT_EQ(ParseRequest(std::span(two).subspan(p.frameLength)).request.kind, uc::kKindScalar);
}

TEST(FrameTest, BadHeadersAreRejectedBeforeAnyPayloadIsAwaited) {
  ByteVec badMagic = EncodeRequest(uc::kKindStructure, 1, {}, 0);
  badMagic[0] ^= 0xFFU;
  EXPECT_EQ(ParseRequest(std::span(badMagic).first(4)).status, FrameStatus::kBad);
  EXPECT_EQ(ParseRequest(EncodeRequest(3, 1, {}, 0)).status, FrameStatus::kBad);
  EXPECT_EQ(ParseRequest(EncodeRequest(0, 1, {}, 0)).status, FrameStatus::kBad);
  EXPECT_EQ(ParseRequest(EncodeRequest(uc::kKindStructure, 1, {}, 65537)).status,
            FrameStatus::kBad);
  ByteVec hugeIn = EncodeRequest(uc::kKindStructure, 1, {}, 0);
  WriteU32(hugeIn, 12, 65537);
  EXPECT_EQ(ParseRequest(hugeIn).status, FrameStatus::kBad);
  ByteVec maxIn = EncodeRequest(uc::kKindStructure, 1, {}, 65536);
  WriteU32(maxIn, 12, 65536);
  EXPECT_EQ(ParseRequest(maxIn).status, FrameStatus::kNeedMore);
}

TEST(FrameTest, ReplyCarriesStatusAndLength) {
  EXPECT_EQ(EncodeReply(5, ByteVec{9, 8}), (ByteVec{5, 0, 0, 0, 2, 0, 0, 0, 9, 8}));
}

TEST(ServiceTest, RejectedAndDelayedSelectorsFromTheScenario) {
  Adapter a(MustLoad(R"({"faults": {"reject_oids": ["0x0d010217", "0x0D81011B"],
                                    "delay_ms": {"0x00010114": 6000}}})"));
  Service service(a, nullptr);
  const auto request = [](uint32_t selector, uint32_t capacity) {
    static ByteVec zeros(4096, 0);
    return Request{uc::kKindStructure, selector, capacity, std::span(zeros).first(capacity)};
  };
  EXPECT_EQ(service.Serve(request(OID_802_11_BSSID_LIST, 4096)).status, uc::kStatusError);
  EXPECT_EQ(service.Serve(request(0x0D81011B, 0)).status, uc::kStatusError);
  EXPECT_EQ(service.Serve(request(OID_802_11_WEP_STATUS, 4)).status, uc::kStatusSuccess);
  EXPECT_EQ(service.DelayMs(request(OID_GEN_MEDIA_CONNECT_STATUS, 4)), 6000U);
  EXPECT_EQ(service.DelayMs(request(OID_802_11_RSSI, 4)), 0U);
}

TEST(TraceTest, LinesHaveTheDocumentedShape) {
  EXPECT_EQ(TraceWriter::StructLine(1, 0x0D710111, ByteVec{0, 0xAB}, 32, 0, ByteVec{0x0F},
                                    KeyBytes::kMasked),
            R"({"seq":1,"call":"struct","selector":"0x0d710111","set":false,"in":"00ab",)"
            R"("capacity":32,"status":0,"out":"0f"})");
  EXPECT_EQ(TraceWriter::StructLine(3, 0x0DF10103, {}, 0, 3758096066U, {}, KeyBytes::kMasked),
            R"({"seq":3,"call":"struct","selector":"0x0df10103","set":true,"in":"",)"
            R"("capacity":0,"status":3758096066,"out":""})");
  EXPECT_EQ(TraceWriter::ScalarLine(2, 1, 0),
            R"({"seq":2,"call":"scalar","selector":1,"status":0})");
}

}  // namespace
}  // namespace netvane::sim::testing
