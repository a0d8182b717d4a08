#include "platform/userclient/SocketIo.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace netvane::userclient {
namespace {

// Waits until `fd` is ready for `events` (or has hung up, which the next call then reports);
// false once the deadline has passed.
bool WaitReady(int fd, short events, const Deadline& deadline) {
  for (;;) {
    const int ms = deadline.RemainingMs();
    if (ms == 0) return false;
    pollfd p{fd, events, 0};
    const int n = deadline.Source().Poll(p, ms);
    if (n > 0) return true;
    if (n == 0 || errno != EINTR) return false;
  }
}

bool WouldBlock() {
  return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

class SteadyClock : public IoClock {
 public:
  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
  int Poll(pollfd& p, int timeoutMs) override { return poll(&p, 1, timeoutMs); }
};

}  // namespace

IoClock& SteadyIoClock() {
  static SteadyClock clock;
  return clock;
}

int Deadline::RemainingMs() const {
  const auto left = end_ - clock_->Now();
  if (left <= std::chrono::steady_clock::duration::zero()) return 0;
  return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

int ConnectUnix(const char* path, const Deadline& deadline) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (std::strlen(path) >= sizeof addr.sun_path) return -1;
  std::strncpy(addr.sun_path, path, sizeof addr.sun_path - 1);

  const int ms = deadline.RemainingMs();
  if (ms == 0) return -1;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  timeval timeout{};
  timeout.tv_sec = ms / 1000;
  timeout.tv_usec = static_cast<suseconds_t>(ms % 1000) * 1000;
  // A Unix connect waits only while the listener's queue is full, and the send timeout bounds
  // that wait. Sends and receives afterwards never block: they wait in poll instead.
  if (setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) != 0 ||
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast) the socket API wants it
      connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

std::optional<uid_t> PeerUid(int fd) {
  ucred cred{};
  socklen_t length = sizeof cred;
  if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0 || length != sizeof cred) {
    return std::nullopt;
  }
  return cred.uid;
}

bool WriteAll(int fd, const void* data, std::size_t length, const Deadline& deadline) {
  const auto* p = static_cast<const char*>(data);
  while (length > 0) {
    // A fresh connection nearly always has room: send first, wait only when it is full.
    const ssize_t n = send(fd, p, length, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && WouldBlock()) {
      if (!WaitReady(fd, POLLOUT, deadline)) return false;
      continue;
    }
    if (n <= 0) return false;
    p += n;
    length -= static_cast<std::size_t>(n);
  }
  return true;
}

long ReadAtLeast(int fd, void* data, std::size_t least, std::size_t most,
                 const Deadline& deadline) {
  auto* p = static_cast<char*>(data);
  std::size_t got = 0;
  while (got < least) {
    // The driver has rarely answered yet when the client gets here: wait first.
    if (!WaitReady(fd, POLLIN, deadline)) return -1;
    const ssize_t n = recv(fd, p + got, most - got, MSG_DONTWAIT);
    if (n < 0 && WouldBlock()) continue;
    if (n <= 0) return -1;  // closed or failed
    got += static_cast<std::size_t>(n);
  }
  return static_cast<long>(got);
}

bool ReadAll(int fd, void* data, std::size_t length, const Deadline& deadline) {
  return ReadAtLeast(fd, data, length, length, deadline) == static_cast<long>(length);
}

}  // namespace netvane::userclient
