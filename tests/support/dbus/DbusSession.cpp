#include "support/dbus/DbusSession.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#ifndef NETVANE_FAKE_NOTIFICATIONS
#error "NETVANE_FAKE_NOTIFICATIONS must name the stand-in notification service"
#endif

namespace netvane::testing {
namespace {

// Starts `argv` with the write end of a fresh pipe as its file descriptor 3 and returns what it
// writes there up to the first newline (or its end).
std::string SpawnAndRead(const std::vector<std::string>& argv, pid_t& pid) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid = fork();
  if (pid == 0) {
    dup2(fds[1], 3);  // dup2 clears close-on-exec for the copy
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(fds[1]);
  std::string text;
  char c = 0;
  while (read(fds[0], &c, 1) == 1 && c != '\n') text += c;
  const bool ended = c == '\n';
  close(fds[0]);
  if (pid < 0 || !ended) throw std::runtime_error(argv[0] + " did not come up");
  return text;
}

void StopChild(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

}  // namespace

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
  address_ = SpawnAndRead({"/usr/bin/dbus-daemon", "--config-file=" + dir_ + "/bus.conf",
                           "--nofork", "--nopidfile", "--print-address=3"},
                          daemon_);
  if (const char* old = std::getenv("DBUS_SESSION_BUS_ADDRESS")) savedAddress_ = old;
  setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
  try {
    SpawnAndRead({NETVANE_FAKE_NOTIFICATIONS, dir_ + "/notifications.jsonl"}, service_);
  } catch (...) {
    StopChild(service_);
    StopChild(daemon_);
    throw;
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
