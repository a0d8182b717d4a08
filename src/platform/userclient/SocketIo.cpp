#include "platform/userclient/SocketIo.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace netvane::userclient {
namespace {

using Clock = std::chrono::steady_clock;

// The socket itself times out each blocking call; this bounds the calls taken together.
class Deadline {
 public:
  explicit Deadline(int timeoutMs) : end_(Clock::now() + std::chrono::milliseconds(timeoutMs)) {}
  bool Passed() const { return Clock::now() >= end_; }

 private:
  Clock::time_point end_;
};

}  // namespace

int ConnectUnix(const char* path, int timeoutMs) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (std::strlen(path) >= sizeof addr.sun_path) return -1;
  std::strncpy(addr.sun_path, path, sizeof addr.sun_path - 1);

  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  timeval timeout{};
  timeout.tv_sec = timeoutMs / 1000;
  timeout.tv_usec = static_cast<suseconds_t>(timeoutMs % 1000) * 1000;
  // Blocking calls with a timeout cost one system call each; the send timeout also bounds a
  // connect to a listener whose queue is full.
  if (setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) != 0 ||
      setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) != 0 ||
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast) the socket API wants it
      connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, const void* data, std::size_t length, int timeoutMs) {
  const Deadline deadline(timeoutMs);
  const auto* p = static_cast<const char*>(data);
  while (length > 0) {
    const ssize_t n = send(fd, p, length, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR && !deadline.Passed()) continue;
    if (n <= 0) return false;  // failed, or the send timeout expired
    p += n;
    length -= static_cast<std::size_t>(n);
    if (length > 0 && deadline.Passed()) return false;
  }
  return true;
}

long ReadAtLeast(int fd, void* data, std::size_t least, std::size_t most, int timeoutMs) {
  const Deadline deadline(timeoutMs);
  auto* p = static_cast<char*>(data);
  std::size_t got = 0;
  while (got < least) {
    const ssize_t n = recv(fd, p + got, most - got, 0);
    if (n < 0 && errno == EINTR && !deadline.Passed()) continue;
    if (n <= 0) return -1;  // closed, failed, or the receive timeout expired
    got += static_cast<std::size_t>(n);
    if (got < least && deadline.Passed()) return -1;
  }
  return static_cast<long>(got);
}

bool ReadAll(int fd, void* data, std::size_t length, int timeoutMs) {
  return ReadAtLeast(fd, data, length, length, timeoutMs) == static_cast<long>(length);
}

}  // namespace netvane::userclient
