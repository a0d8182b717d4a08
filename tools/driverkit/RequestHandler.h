// What a driver service answers a request with: the one thing the socket side needs from it.
#pragma once

#include <cstdint>

#include "driverkit/Bytes.h"
#include "driverkit/Frame.h"

namespace netvane::driverkit {

struct Reply {
  uint32_t status = 0;
  Bytes out;  // never longer than the capacity asked for
};

class RequestHandler {
 public:
  virtual ~RequestHandler() = default;
  virtual Reply Handle(const Request& request) = 0;
  // How long to hold this request before it is answered (a service's injected slowness); the
  // wait counts against the connection's deadline and ends early on a stop signal.
  virtual uint32_t DelayMs(const Request& /*request*/) const { return 0; }
};

}  // namespace netvane::driverkit
