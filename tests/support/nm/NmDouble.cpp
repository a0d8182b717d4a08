#include "support/nm/NmDouble.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

#ifndef NETVANE_NM_DOUBLE_PATH
#error "NETVANE_NM_DOUBLE_PATH must name nm_double.py"
#endif

namespace netvane::testing {

NmDouble::NmDouble() {
  // A double that died fails the next command with a message rather than killing the test.
  signal(SIGPIPE, SIG_IGN);
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    throw std::runtime_error("cannot make a socket pair");
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(ends[1], 0);
    dup2(ends[1], 1);
    // Debian's dbusmock is installed for the system's Python only.
    execl("/usr/bin/python3", "/usr/bin/python3", NETVANE_NM_DOUBLE_PATH, nullptr);
    _exit(127);
  }
  close(ends[1]);
  child_ = ends[0];
  if (pid_ < 0) throw std::runtime_error("cannot start the NetworkManager double");
  const std::string first = ReadLine();
  const nlohmann::json hello = nlohmann::json::parse(first, nullptr, false);
  if (!hello.is_object() || !hello.contains("address")) {
    throw std::runtime_error("the NetworkManager double did not start: " + first);
  }
  address_ = hello["address"];
}

NmDouble::~NmDouble() {
  if (child_ >= 0) close(child_);
  int status = 0;
  while (pid_ > 0 && waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
}

std::string NmDouble::ReadLine() {
  // Bounded: a double that stops answering fails the test instead of hanging it.
  while (pending_.find('\n') == std::string::npos) {
    pollfd ready{child_, POLLIN, 0};
    int n = 0;
    while ((n = poll(&ready, 1, 20000)) < 0 && errno == EINTR) {
    }
    char buffer[4096];
    const ssize_t got = n == 1 ? read(child_, buffer, sizeof buffer) : -1;
    if (got <= 0) return "";
    pending_.append(buffer, static_cast<std::size_t>(got));
  }
  const std::size_t end = pending_.find('\n');
  std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  return line;
}

nlohmann::json NmDouble::Command(const nlohmann::json& command) {
  const std::string line = command.dump() + "\n";
  if (write(child_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
    throw std::runtime_error("the NetworkManager double has gone");
  }
  const nlohmann::json answer = nlohmann::json::parse(ReadLine(), nullptr, false);
  if (!answer.is_object() || answer.value("ok", false) != true) {
    throw std::runtime_error("the NetworkManager double: " + command.dump() + ": " +
                             (answer.is_object() ? answer.value("error", "") : "no answer"));
  }
  return answer["result"];
}

std::string NmDouble::AddDevice(const std::string& iface, const std::string& hwAddress) {
  return Command({{"cmd", "add_device"}, {"iface", iface}, {"hw_address", hwAddress}});
}

std::string NmDouble::AddAccessPoint(const std::string& device, const std::string& name,
                                     const std::string& ssid, const std::string& bssid, int mhz,
                                     int strength, nlohmann::json more) {
  more.update({{"cmd", "add_access_point"},
               {"dev", device},
               {"name", name},
               {"ssid", SsidBytes(ssid)},
               {"bssid", bssid},
               {"frequency", mhz},
               {"strength", strength}});
  return Command(more);
}

nlohmann::json NmDouble::Calls(const std::string& method, const std::string& path) {
  return Command({{"cmd", "calls"}, {"method", method}, {"path", path}});
}

bool NmDouble::WirelessEnabled() {
  return Command({{"cmd", "get_property"},
                  {"path", kNmObject},
                  {"iface", kNmInterface},
                  {"name", "WirelessEnabled"}}) == true;
}

nlohmann::json SsidBytes(const std::string& bytes) {
  nlohmann::json list = nlohmann::json::array();
  for (const char c : bytes) list.push_back(static_cast<unsigned char>(c));
  return list;
}

}  // namespace netvane::testing
