#include "support/dbus/DbusSession.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/ReadyChild.h"

#ifndef NETVANE_FAKE_NOTIFICATIONS
#error "NETVANE_FAKE_NOTIFICATIONS must name the stand-in notification service"
#endif

namespace netvane::testing {
DbusSession::DbusSession() {
  char templ[] = "/tmp/netvane-bus-XXXXXX";
  if (mkdtemp(templ) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  dir_ = templ;
  std::ofstream(dir_ + "/bus.conf")
      << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
         " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
         "<busconfig><type>session</type><listen>unix:path="
      << dir_
      << "/bus</listen><auth>EXTERNAL</auth><policy context=\"default\">"
         "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
         "<allow own=\"*\"/></policy></busconfig>\n";
  const ReadyChild bus =
      StartAndAwaitLine({"/usr/bin/dbus-daemon", "--config-file=" + dir_ + "/bus.conf", "--nofork",
                         "--nopidfile", "--print-address={fd}"});
  daemon_ = bus.pid;
  if (!bus.line) {
    StopChild(daemon_);
    throw std::runtime_error("dbus-daemon did not come up");
  }
  address_ = *bus.line;
  if (const char* old = std::getenv("DBUS_SESSION_BUS_ADDRESS")) savedAddress_ = old;
  setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
  const ReadyChild service =
      StartAndAwaitLine({NETVANE_FAKE_NOTIFICATIONS, dir_ + "/notifications.jsonl", "{fd}"});
  service_ = service.pid;
  if (!service.line) {
    StopChild(service_);
    StopChild(daemon_);
    throw std::runtime_error("the stand-in notification service did not come up");
  }
}

DbusSession::~DbusSession() {
  StopChild(service_);
  StopChild(daemon_);
  savedAddress_ ? setenv("DBUS_SESSION_BUS_ADDRESS", savedAddress_->c_str(), 1)
                : unsetenv("DBUS_SESSION_BUS_ADDRESS");
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::vector<nlohmann::json> DbusSession::Notifications() const {
  std::vector<nlohmann::json> calls;
  std::ifstream in(dir_ + "/notifications.jsonl");
  for (std::string line; std::getline(in, line);) calls.push_back(nlohmann::json::parse(line));
  return calls;
}

}  // namespace netvane::testing
