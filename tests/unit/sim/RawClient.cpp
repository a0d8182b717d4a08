#include "unit/sim/RawClient.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "core/Frame.h"
#include "platform/userclient/Protocol.h"

namespace netvane::sim::testing {

RawConnection::RawConnection(const std::string& socketPath) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (socketPath.size() >= sizeof addr.sun_path) return;
  std::memcpy(addr.sun_path, socketPath.c_str(), socketPath.size() + 1);
  fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return;
  timeval tv{userclient::kIoTimeoutSeconds, 0};
  setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
  if (connect(fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd_);
    fd_ = -1;
  }
}

RawConnection::~RawConnection() {
  if (fd_ >= 0) close(fd_);
}

bool RawConnection::SendBytes(const std::vector<uint8_t>& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

bool RawConnection::ReadExactly(uint8_t* data, std::size_t n) {
  std::size_t got = 0;
  while (got < n) {
    const ssize_t r = recv(fd_, data + got, n - got, 0);
    if (r <= 0) return false;
    got += static_cast<std::size_t>(r);
  }
  return true;
}

std::optional<RawReply> RawConnection::ReadReply() {
  userclient::ReplyHeader header{};
  if (!ReadExactly(reinterpret_cast<uint8_t*>(&header), sizeof header)) return std::nullopt;
  RawReply reply;
  reply.status = header.status;
  reply.out.resize(header.outLength);
  if (!ReadExactly(reply.out.data(), reply.out.size())) return std::nullopt;
  return reply;
}

bool RawConnection::PeerClosed() {
  uint8_t byte = 0;
  return recv(fd_, &byte, 1, 0) == 0;
}

std::optional<RawReply> Call(const std::string& socketPath, uint32_t selector,
                             const std::vector<uint8_t>& in, uint32_t capacity) {
  RawConnection c(socketPath);
  if (!c.Connected()) return std::nullopt;
  if (!c.SendBytes(EncodeRequest(userclient::kKindStructure, selector, in, capacity))) {
    return std::nullopt;
  }
  auto reply = c.ReadReply();
  if (!reply) return std::nullopt;
  if (!c.SendBytes(EncodeRequest(userclient::kKindScalar, 1, {}, 0)) || !c.ReadReply()) {
    return std::nullopt;
  }
  return reply;
}

}  // namespace netvane::sim::testing
