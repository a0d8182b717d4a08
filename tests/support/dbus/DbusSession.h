// A private session bus for one test program: dbus-daemon with a configuration of its own (no
// service activation, so nothing of the machine's desktop starts on it) and the stand-in
// notification service, both children of the test, both awaited through pipes (no sleeping).
// DBUS_SESSION_BUS_ADDRESS points at it from construction to destruction; build it before
// anything in the process first uses the session bus.
#pragma once

#include <sys/types.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace netvane::testing {

class DbusSession {
 public:
  // Throws std::runtime_error when the bus or the service does not come up.
  DbusSession();
  DbusSession(const DbusSession&) = delete;
  DbusSession& operator=(const DbusSession&) = delete;
  ~DbusSession();

  // Every Notify call the service has written so far, oldest first.
  std::vector<nlohmann::json> Notifications() const;

  const std::string& Address() const { return address_; }

 private:
  std::string dir_;
  std::string address_;
  pid_t daemon_ = -1;
  pid_t service_ = -1;
  std::optional<std::string> savedAddress_;
};

}  // namespace netvane::testing
