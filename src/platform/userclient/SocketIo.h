// Connecting to a driver socket and whole-buffer reads and writes on it, all bounded by one
// deadline per request.
#pragma once

#include <poll.h>
#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <optional>

namespace netvane::userclient {

// The clock a connection's deadline is counted on, and the wait for its socket: the steady
// clock and poll(2), unless a test drives both by hand.
class IoClock {
 public:
  virtual ~IoClock() = default;
  virtual std::chrono::steady_clock::time_point Now() = 0;
  // As poll(2) on one descriptor.
  virtual int Poll(pollfd& p, int timeoutMs) = 0;
};
IoClock& SteadyIoClock();

// The moment a request must be over by. Every wait of the request (connect, each send, each
// receive) takes only what is left of it, so a peer that trickles its reply cannot stretch it.
class Deadline {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  explicit Deadline(int timeoutMs, IoClock& clock = SteadyIoClock())
      : clock_(&clock), end_(clock.Now() + std::chrono::milliseconds(timeoutMs)) {}
  // Milliseconds left, rounded up so that a wait never ends early; 0 once the deadline passed.
  int RemainingMs() const;
  IoClock& Source() const { return *clock_; }

 private:
  IoClock* clock_;
  TimePoint end_;
};

// Connects to a Unix stream socket, waiting for a full listener queue at most until the
// deadline; -1 on failure.
int ConnectUnix(const char* path, const Deadline& deadline);

// The user id of the process that listens on the other end of a connected Unix socket.
std::optional<uid_t> PeerUid(int fd);

// Both return false on error, end of stream, or when the deadline passes before the last byte.
bool WriteAll(int fd, const void* data, std::size_t length, const Deadline& deadline);
bool ReadAll(int fd, void* data, std::size_t length, const Deadline& deadline);

// Reads at least `least` and at most `most` bytes, whatever has arrived once `least` have;
// returns the count, or -1 as ReadAll fails.
long ReadAtLeast(int fd, void* data, std::size_t least, std::size_t most, const Deadline& deadline);

}  // namespace netvane::userclient
