#include "driverkit/Server.h"

#include "driverkit/Connection.h"
#include "driverkit/ServiceLog.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>

#include "platform/userclient/Protocol.h"

namespace netvane::driverkit {
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

// The mask ppoll runs with: the stop signals let through when this server owns them, else the
// thread's own mask as it is.
sigset_t RunMask(bool ownSignals) {
  if (ownSignals) return InstallSignalHandlers();
  std::signal(SIGPIPE, SIG_IGN);
  sigset_t current;
  pthread_sigmask(SIG_SETMASK, nullptr, &current);
  return current;
}

// Waits for `events` on `fd` (or just for the timeout when fd is negative), and for `stopFd`
// to become readable.
Wait WaitFor(int fd, short events, int timeoutMs, const sigset_t& runMask, int stopFd) {
  std::array<pollfd, 2> p{};
  nfds_t count = 0;
  if (fd >= 0) p[count++] = pollfd{fd, events, 0};
  const nfds_t stopAt = count;
  if (stopFd >= 0) p[count++] = pollfd{stopFd, POLLIN, 0};
  timespec ts{timeoutMs / 1000, static_cast<long>(timeoutMs % 1000) * 1000000L};
  for (;;) {
    const int n =
        ppoll(count > 0 ? p.data() : nullptr, count, timeoutMs < 0 ? nullptr : &ts, &runMask);
    if (gStop != 0) return Wait::kStop;
    if (n > 0 && stopFd >= 0 && p[stopAt].revents != 0) return Wait::kStop;
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

// The monotonic clock and ppoll, which also hears a stop signal.
class DaemonClock : public ConnectionClock {
 public:
  DaemonClock(const sigset_t& runMask, int stopFd) : runMask_(runMask), stopFd_(stopFd) {}
  int64_t NowMs() override { return driverkit::NowMs(); }
  Wait WaitFor(int fd, short events, int timeoutMs) override {
    return driverkit::WaitFor(fd, events, timeoutMs, runMask_, stopFd_);
  }

 private:
  const sigset_t& runMask_;
  int stopFd_;
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
    ServiceWarning("socket path too long: " + path);
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
    ServiceWarning("cannot listen on " + path + ": " + std::strerror(errno));
    close(fd);
    return -1;
  }
  return fd;
}

void SignalReady(int readyFd) {
  if (readyFd < 0) return;
  const char nl = '\n';
  if (write(readyFd, &nl, 1) != 1) {
    ServiceWarning("cannot write the ready byte");
  }
  close(readyFd);
}

}  // namespace

int RunServer(const std::string& socketPath, RequestHandler& handler,
              const ServerSettings& settings) {
  const sigset_t runMask = RunMask(settings.ownSignals);
  DaemonClock clock(runMask, settings.stopFd);
  const OwnedFd listener(Listen(socketPath));
  if (listener.Get() < 0) {
    if (settings.readyFd >= 0) close(settings.readyFd);  // the waiting side hears the failure
    return 1;
  }
  SignalReady(settings.readyFd);
  ServiceDebug("listening on " + socketPath);
  for (;;) {
    const Wait wait = WaitFor(listener.Get(), POLLIN, -1, runMask, settings.stopFd);
    if (wait == Wait::kStop) break;
    if (wait != Wait::kReady) continue;
    const OwnedFd client(accept4(listener.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (client.Get() < 0) continue;
    const int64_t deadline = clock.NowMs() + settings.connectionTimeoutMs;
    if (!SamePeerUser(client.Get())) continue;  // closed at once by OwnedFd
    Connection(client.Get(), handler, clock, deadline).Serve();
  }
  unlink(socketPath.c_str());
  return 0;
}

}  // namespace netvane::driverkit
