#include "driverkit/Connection.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "driverkit/ServiceLog.h"
#include "platform/userclient/Protocol.h"

namespace netvane::driverkit {
namespace {

const char* KindName(uint32_t kind) {
  return kind == userclient::kKindStructure ? "structure" : "scalar";
}

}  // namespace

Connection::Connection(int fd, RequestHandler& handler, ConnectionClock& clock, int64_t deadlineMs)
    : fd_(fd), handler_(handler), clock_(clock), deadline_(deadlineMs) {
  buffer_.reserve(sizeof(userclient::RequestHeader) + userclient::kMaxFrameLength);
}

void Connection::Serve() {
  for (const uint32_t expected : {userclient::kKindStructure, userclient::kKindScalar}) {
    const FrameParse p = NextFrame();
    if (p.status != FrameStatus::kComplete) return;
    if (p.request.kind != expected) {
      // Not a call this connection has room for: answering it would let one connection
      // make any number of requests.
      ServiceWarning(std::string("closing a connection: a ") + KindName(p.request.kind) +
                     " call where the " + KindName(expected) + " call belongs");
      return;
    }
    if (const uint32_t ms = handler_.DelayMs(p.request); ms > 0) {
      if (clock_.WaitFor(-1, 0, static_cast<int>(ms)) == Wait::kStop) return;
    }
    const Reply reply = handler_.Handle(p.request);
    if (ServiceVerbose()) {
      char line[96];
      std::snprintf(line, sizeof line, "%s call 0x%08x: status %u, %zu bytes out",
                    KindName(p.request.kind), p.request.selector, reply.status, reply.out.size());
      ServiceDebug(line);
    }
    if (!SendAll(EncodeReply(reply.status, reply.out))) return;
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(p.frameLength));
  }
}

FrameParse Connection::NextFrame() {
  for (;;) {
    FrameParse p = ParseRequest(buffer_);
    if (p.status == FrameStatus::kBad) {
      ServiceWarning("closing a connection: " + p.problem);
    }
    if (p.status != FrameStatus::kNeedMore || !Receive()) return p;
  }
}

bool Connection::Receive() {
  uint8_t chunk[16384];
  // Between frames the client is usually still busy: wait before reading rather than read
  // in vain first.
  if (buffer_.empty() && !WaitBeforeDeadline(POLLIN)) return false;
  for (;;) {
    const ssize_t n = recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n > 0) {
      buffer_.insert(buffer_.end(), chunk, chunk + n);
      return true;
    }
    if (n == 0) return false;
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
    if (!WaitBeforeDeadline(POLLIN)) return false;
  }
}

bool Connection::WaitBeforeDeadline(short events) {
  const int64_t left = deadline_ - clock_.NowMs();
  return left > 0 && clock_.WaitFor(fd_, events, static_cast<int>(left)) == Wait::kReady;
}

bool Connection::SendAll(const Bytes& frame) {
  std::size_t sent = 0;
  while (sent < frame.size()) {
    if (clock_.NowMs() >= deadline_) return false;
    const ssize_t n =
        send(fd_, frame.data() + sent, frame.size() - sent, MSG_DONTWAIT | MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
    if (!WaitBeforeDeadline(POLLOUT)) return false;
  }
  return true;
}

}  // namespace netvane::driverkit
