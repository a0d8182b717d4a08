// The socket side of the daemon: one listening Unix socket, one client at a time.
#pragma once

#include <string>

#include "core/Service.h"

namespace netvane::sim {

// Listens on `socketPath` (mode 0600, a stale file replaced), writes "\n" to `readyFd` (when
// not negative) once listening, and serves until SIGTERM or SIGINT; then removes the socket.
// Returns the process exit code.
int RunServer(const std::string& socketPath, Service& service, int readyFd);

}  // namespace netvane::sim
