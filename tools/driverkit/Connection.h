// One client connection of a driver service, and the clock its deadline is counted on.
#pragma once

#include <cstdint>

#include "driverkit/Bytes.h"
#include "driverkit/Frame.h"
#include "driverkit/RequestHandler.h"

namespace netvane::driverkit {

enum class Wait { kReady, kTimeout, kStop };

// The time a connection's deadline is counted on, and its waits: the daemon's is the monotonic
// clock and ppoll (which also hears a stop signal), a test's a clock it moves by hand.
class ConnectionClock {
 public:
  virtual ~ConnectionClock() = default;
  virtual int64_t NowMs() = 0;
  // Waits at most `timeoutMs` for `events` on `fd`, or just for the time when fd is negative.
  virtual Wait WaitFor(int fd, short events, int timeoutMs) = 0;
};

// One structure call, then one scalar call, then the caller closes it. Every read and write
// shares the one deadline the caller counted from accept, so a client can hold the daemon (and
// every client queued behind it) no longer than that, however it paces its bytes or frames.
class Connection {
 public:
  Connection(int fd, RequestHandler& handler, ConnectionClock& clock, int64_t deadlineMs);
  void Serve();

 private:
  // The next whole frame; any other status means the connection is done with.
  FrameParse NextFrame();
  // False on end of stream, error, deadline or stop.
  bool Receive();
  bool WaitBeforeDeadline(short events);
  // An answer held past the deadline (a scenario delay) is not sent at all.
  bool SendAll(const Bytes& frame);

  int fd_;
  RequestHandler& handler_;
  ConnectionClock& clock_;
  int64_t deadline_;
  Bytes buffer_;
};

}  // namespace netvane::driverkit
