#include "Server.h"

#include "SimLog.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/userclient/Protocol.h"

namespace netvane::sim {
namespace {

volatile std::sig_atomic_t gStop = 0;

// A descriptor closed at the end of its scope (tools/ see only the driver's protocol of src/).
class OwnedFd {
 public:
  explicit OwnedFd(int fd) : fd_(fd) {}
  OwnedFd(const OwnedFd&) = delete;
  OwnedFd& operator=(const OwnedFd&) = delete;
  ~OwnedFd() {
    if (fd_ >= 0) close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

void OnStopSignal(int /*signal*/) {
  gStop = 1;
}

// Signals stay blocked except inside ppoll, so a SIGTERM can never slip in between checking
// the flag and going to sleep.
sigset_t InstallSignalHandlers() {
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  sigset_t block;
  sigemptyset(&block);
  sigaddset(&block, SIGTERM);
  sigaddset(&block, SIGINT);
  sigset_t previous;
  sigprocmask(SIG_BLOCK, &block, &previous);
  sigdelset(&previous, SIGTERM);
  sigdelset(&previous, SIGINT);
  return previous;
}

enum class Wait { kReady, kTimeout, kStop };

// Waits for `events` on `fd` (or just for the timeout when fd is negative).
Wait WaitFor(int fd, short events, int timeoutMs, const sigset_t& runMask) {
  pollfd p{fd, events, 0};
  timespec ts{timeoutMs / 1000, static_cast<long>(timeoutMs % 1000) * 1000000L};
  for (;;) {
    const int n =
        ppoll(fd >= 0 ? &p : nullptr, fd >= 0 ? 1 : 0, timeoutMs < 0 ? nullptr : &ts, &runMask);
    if (gStop != 0) return Wait::kStop;
    if (n > 0) return Wait::kReady;
    if (n == 0) return Wait::kTimeout;
    if (errno != EINTR) return Wait::kTimeout;
  }
}

int64_t NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

const char* KindName(uint32_t kind) {
  return kind == userclient::kKindStructure ? "structure" : "scalar";
}

// One connection: one structure call, then one scalar call, then it is closed. Every read and
// write shares one deadline counted from accept, so a client can hold the daemon (and every
// client queued behind it) no longer than that, however it paces its bytes or frames.
class Connection {
 public:
  Connection(int fd, Service& service, const sigset_t& runMask, int64_t deadlineMs)
      : fd_(fd), service_(service), runMask_(runMask), deadline_(deadlineMs) {
    buffer_.reserve(sizeof(userclient::RequestHeader) + userclient::kMaxFrameLength);
  }

  void Serve() {
    for (const uint32_t expected : {userclient::kKindStructure, userclient::kKindScalar}) {
      const FrameParse p = NextFrame();
      if (p.status != FrameStatus::kComplete) return;
      if (p.request.kind != expected) {
        // Not a call this connection has room for: answering it would let one connection
        // make any number of requests.
        SimWarning(std::string("cv7000-sim: closing a connection: a ") + KindName(p.request.kind) +
                   " call where the " + KindName(expected) + " call belongs");
        return;
      }
      if (const uint32_t ms = service_.DelayMs(p.request); ms > 0) {
        if (WaitFor(-1, 0, static_cast<int>(ms), runMask_) == Wait::kStop) return;
      }
      const Reply reply = service_.Serve(p.request);
      if (SimVerbose()) {
        char line[96];
        std::snprintf(line, sizeof line, "cv7000-sim: %s call 0x%08x: status %u, %zu bytes out",
                      KindName(p.request.kind), p.request.selector, reply.status, reply.out.size());
        SimDebug(line);
      }
      if (!SendAll(EncodeReply(reply.status, reply.out))) return;
      buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(p.frameLength));
    }
  }

 private:
  // The next whole frame; any other status means the connection is done with.
  FrameParse NextFrame() {
    for (;;) {
      FrameParse p = ParseRequest(buffer_);
      if (p.status == FrameStatus::kBad) {
        SimWarning("cv7000-sim: closing a connection: " + p.problem);
      }
      if (p.status != FrameStatus::kNeedMore || !Receive()) return p;
    }
  }

  // False on end of stream, error, deadline or stop.
  bool Receive() {
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

  bool WaitBeforeDeadline(short events) {
    const int64_t left = deadline_ - NowMs();
    return left > 0 && WaitFor(fd_, events, static_cast<int>(left), runMask_) == Wait::kReady;
  }

  // An answer held past the deadline (a scenario delay) is not sent at all.
  bool SendAll(const Bytes& frame) {
    std::size_t sent = 0;
    while (sent < frame.size()) {
      if (NowMs() >= deadline_) return false;
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

  int fd_;
  Service& service_;
  const sigset_t& runMask_;
  int64_t deadline_;
  Bytes buffer_;
};

bool SamePeerUser(int fd) {
  ucred cred{};
  socklen_t len = sizeof cred;
  if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0) return false;
  static const uid_t kSelf = geteuid();
  return cred.uid == kSelf;
}

int Listen(const std::string& path) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) {
    std::fprintf(stderr, "cv7000-sim: socket path too long: %s\n", path.c_str());
    return -1;
  }
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  unlink(path.c_str());                // a socket left by a daemon that did not stop cleanly
  const mode_t oldMask = umask(0177);  // the socket is born 0600, with no window of wider access
  const int bound = bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
  umask(oldMask);
  if (bound != 0 || listen(fd, SOMAXCONN) != 0) {
    std::fprintf(stderr, "cv7000-sim: cannot listen on %s: %s\n", path.c_str(),
                 std::strerror(errno));
    close(fd);
    return -1;
  }
  return fd;
}

void SignalReady(int readyFd) {
  if (readyFd < 0) return;
  const char nl = '\n';
  if (write(readyFd, &nl, 1) != 1) {
    std::fprintf(stderr, "cv7000-sim: cannot write the ready byte\n");
  }
  close(readyFd);
}

}  // namespace

int RunServer(const std::string& socketPath, Service& service, const ServerSettings& settings) {
  const sigset_t runMask = InstallSignalHandlers();
  const OwnedFd listener(Listen(socketPath));
  if (listener.Get() < 0) return 1;
  SignalReady(settings.readyFd);
  SimDebug("cv7000-sim: listening on " + socketPath);
  while (gStop == 0) {
    if (WaitFor(listener.Get(), POLLIN, -1, runMask) != Wait::kReady) continue;
    const OwnedFd client(accept4(listener.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (client.Get() < 0) continue;
    const int64_t deadline = NowMs() + settings.connectionTimeoutMs;
    if (!SamePeerUser(client.Get())) continue;  // closed at once by OwnedFd
    Connection(client.Get(), service, runMask, deadline).Serve();
  }
  unlink(socketPath.c_str());
  return 0;
}

}  // namespace netvane::sim
