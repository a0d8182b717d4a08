// One connection served on a clock the test moves, with a handler that answers everything.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "driverkit/Connection.h"
#include "platform/userclient/Protocol.h"
#include "support/ScriptedSteps.h"

namespace netvane::driverkit {
namespace {

namespace uc = userclient;

class AnswerAll : public RequestHandler {
 public:
  Reply Handle(const Request& /*request*/) override { return {}; }
};

// The connection's clock, moved by hand.
class ScriptedClock : public ConnectionClock, public testing::ScriptedSteps {
 public:
  int64_t NowMs() override { return ScriptedSteps::NowMs(); }
  Wait WaitFor(int fd, short events, int timeoutMs) override {
    return ScriptedSteps::WaitFor({fd, events, 0}, timeoutMs) ? Wait::kReady : Wait::kTimeout;
  }
};

void SendAll(int fd, const Bytes& b) {
  ASSERT_EQ(send(fd, b.data(), b.size(), MSG_NOSIGNAL), static_cast<ssize_t>(b.size()));
}

// The deadline runs from accept, not from the last frame, so a client pacing its frames holds
// the service no longer than that.
TEST(ConnectionTest, OneDeadlineFromAcceptCoversBothCalls) {
  int ends[2] = {};
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
  const Bytes call = EncodeRequest(uc::kKindStructure, 0x01010102, Bytes(6, 0), 6);
  SendAll(ends[1], {call.begin(), call.end() - 1});  // at accept, all but its last byte
  ScriptedClock clock;
  clock.At(300, [&] { SendAll(ends[1], {call.back()}); });
  // Within 600 ms of the first answer, not of accept.
  clock.At(800, [&] { SendAll(ends[1], EncodeRequest(uc::kKindScalar, 1, {}, 0)); });
  AnswerAll handler;
  Connection(ends[0], handler, clock, 600).Serve();  // accepted at 0
  close(ends[0]);
  Bytes got(64);
  const ssize_t n = recv(ends[1], got.data(), got.size(), MSG_WAITALL);
  got.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
  EXPECT_EQ(got, EncodeReply(0, {}));  // the structure call's answer alone
  close(ends[1]);
}

}  // namespace
}  // namespace netvane::driverkit
