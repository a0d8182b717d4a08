// The socket side of a driver service: one listening Unix socket, one client at a time.
#pragma once

#include <string>

#include "driverkit/RequestHandler.h"
#include "platform/userclient/Protocol.h"

namespace netvane::driverkit {

struct ServerSettings {
  int readyFd = -1;  // gets "\n" once listening, when not negative
  // One deadline per connection, counted from accept.
  int connectionTimeoutMs = userclient::kIoTimeoutSeconds * 1000;
  // A service with several sockets stops each one itself: readable `stopFd` ends this server,
  // and with `ownSignals` false it leaves SIGTERM and SIGINT to the caller (blocked in this
  // thread, handled elsewhere).
  int stopFd = -1;
  bool ownSignals = true;
};

// Listens on `socketPath` (mode 0600, a stale file replaced), signals readiness, and serves
// until SIGTERM or SIGINT (or `stopFd`); then removes the socket. Each connection gets one
// structure call and one scalar call, in that order, and is then closed. Returns the process exit
// code.
int RunServer(const std::string& socketPath, RequestHandler& handler,
              const ServerSettings& settings);

}  // namespace netvane::driverkit
