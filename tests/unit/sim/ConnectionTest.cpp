// What one connection to the daemon may carry and for how long: one structure call, then one
// scalar call, within one deadline counted from accept.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "core/Frame.h"
#include "platform/userclient/Protocol.h"
#include "support/SimHarness.h"
#include "unit/sim/RawClient.h"

namespace netvane::sim {
namespace {

using netvane::testing::SimHarness;
using testing::Call;
using testing::RawConnection;
using Clock = std::chrono::steady_clock;
namespace uc = userclient;

constexpr uint32_t kMacQuery = 0x01010102;
constexpr int kDeadlineMs = 400;

std::vector<uint8_t> MacQuery() {
  return EncodeRequest(uc::kKindStructure, kMacQuery, std::vector<uint8_t>(6, 0), 6);
}
std::vector<uint8_t> ScalarCall() {
  return EncodeRequest(uc::kKindScalar, 1, {}, 0);
}
// Sends all of `frame` but its last byte.
bool SendAllButLast(RawConnection& c, std::vector<uint8_t> frame) {
  frame.pop_back();
  return c.SendBytes(frame);
}

class ConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_.SetConnectionTimeoutMs(kDeadlineMs);
    sim_.Start();
  }
  SimHarness sim_;
};

TEST_F(ConnectionTest, CallsOutOfOrderCloseTheConnectionUnanswered) {
  {
    RawConnection c(sim_.SocketPath());
    ASSERT_TRUE(c.SendBytes(ScalarCall()));
    EXPECT_TRUE(c.PeerClosed()) << "a scalar call before the structure call";
  }
  {
    RawConnection c(sim_.SocketPath());
    ASSERT_TRUE(c.SendBytes(MacQuery()));
    ASSERT_TRUE(c.ReadReply());
    ASSERT_TRUE(c.SendBytes(MacQuery()));
    EXPECT_TRUE(c.PeerClosed()) << "a second structure call";
  }
  const auto trace = sim_.Trace();
  ASSERT_EQ(trace.size(), 1U) << "only the first structure call was served";
  EXPECT_EQ(trace[0]["selector"], "0x01010102");
  EXPECT_TRUE(Call(sim_.SocketPath(), kMacQuery, std::vector<uint8_t>(6, 0), 6));
}

// The deadline runs from accept, not from the last frame: a structure call finished half-way
// through leaves the scalar call only the rest of it.
TEST_F(ConnectionTest, OneDeadlineCoversBothCalls) {
  RawConnection c(sim_.SocketPath());
  const auto start = Clock::now();
  ASSERT_TRUE(SendAllButLast(c, MacQuery()));
  std::this_thread::sleep_until(start + std::chrono::milliseconds(kDeadlineMs / 2));
  ASSERT_TRUE(c.SendBytes({MacQuery().back()}));
  EXPECT_TRUE(c.ReadReply()) << "the structure call came in time";
  ASSERT_TRUE(SendAllButLast(c, ScalarCall()));
  std::this_thread::sleep_until(start + std::chrono::milliseconds(kDeadlineMs * 5 / 4));
  c.SendBytes({ScalarCall().back()});  // may fail: the daemon has closed already
  EXPECT_FALSE(c.ReadReply()) << "the scalar call came after the connection's deadline";
}

// A client trickling bytes keeps the daemon busy only until its deadline; the client queued
// behind it is served then, while the first still holds its end open.
TEST_F(ConnectionTest, AClientHoldingItsConnectionIsCutOffAndTheNextServed) {
  RawConnection holder(sim_.SocketPath());
  ASSERT_TRUE(holder.Connected());
  const std::vector<uint8_t> frame =
      EncodeRequest(uc::kKindStructure, kMacQuery, std::vector<uint8_t>(200, 0), 6);
  ASSERT_TRUE(holder.SendBytes({frame[0]}));

  std::atomic<bool> served = false;
  Clock::duration waited{};
  bool answered = false;
  std::thread next([&] {
    const auto start = Clock::now();
    answered = Call(sim_.SocketPath(), kMacQuery, std::vector<uint8_t>(6, 0), 6).has_value();
    waited = Clock::now() - start;
    served = true;
  });
  for (std::size_t i = 1; i < frame.size() && !served; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!holder.SendBytes({frame[i]})) break;  // cut off
  }
  next.join();
  EXPECT_TRUE(answered);
  EXPECT_LT(waited, std::chrono::milliseconds(kDeadlineMs * 3))
      << "served at the holder's deadline";
  EXPECT_TRUE(holder.PeerClosed());
}

}  // namespace
}  // namespace netvane::sim
