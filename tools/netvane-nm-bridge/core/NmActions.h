// What the socket side asks of NetworkManager: the calls that change something. The D-Bus side
// implements it by queueing each call to its own thread; the socket side waits at most the
// time it is given, so a slow NetworkManager or a polkit prompt never outlasts a request.
#pragma once

#include <cstdint>
#include <string>

#include "core/JoinSettings.h"

namespace netvane::nmbridge {

enum class ActionOutcome {
  kDone,      // NetworkManager accepted it
  kDenied,    // org.freedesktop.NetworkManager.PermissionDenied
  kFailed,    // any other error
  kTimedOut,  // no reply in time (a late one still lands in the snapshot)
};

struct ActionResult {
  ActionOutcome outcome = ActionOutcome::kDone;
  std::string detail;  // the D-Bus error name and message, for the log
};

class NmActions {
 public:
  virtual ~NmActions() = default;
  // Fire and forget: answered at once, the scan's results arrive through the snapshot.
  virtual void RequestScan(const std::string& devicePath) = 0;
  virtual ActionResult SetWirelessEnabled(bool on, uint32_t waitMs) = 0;
  virtual ActionResult Disconnect(const std::string& devicePath, uint32_t waitMs) = 0;
  virtual ActionResult AddAndActivate(const JoinSettings& settings, const std::string& devicePath,
                                      uint32_t waitMs) = 0;
};

}  // namespace netvane::nmbridge
