#include "support/SimHarness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

#ifndef NETVANE_SIM_PATH
#error "NETVANE_SIM_PATH must name the cv7000-sim program"
#endif

namespace netvane::testing {
SimHarness::SimHarness() {
  char templ[] = "/tmp/netvane-sim-XXXXXX";
  if (mkdtemp(templ) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  dir_ = templ;
  for (const auto& [name, sub] :
       {std::pair{"XDG_RUNTIME_DIR", "/run"}, std::pair{"HOME", "/home"},
        std::pair{"XDG_CONFIG_HOME", "/config"}, std::pair{"XDG_STATE_HOME", "/state"}}) {
    const char* value = std::getenv(name);
    savedEnv_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    mkdir((dir_ + sub).c_str(), 0700);
    setenv(name, (dir_ + sub).c_str(), 1);
  }
}

SimHarness::~SimHarness() {
  Stop();
  for (const auto& [name, value] : savedEnv_)
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string SimHarness::SocketPath() const {
  return dir_ + "/run/netvane/services/CardBusWirelessDriver/" + instance_ + ".sock";
}

void SimHarness::Start(const std::string& scenarioJson, const std::string& instance) {
  if (pid_ > 0) throw std::runtime_error("the simulator is already running");
  instance_ = instance;
  std::vector<std::string> args = {NETVANE_SIM_PATH, "--instance", instance};
  if (tracing_) args.insert(args.end(), {"--trace", TracePath()});
  if (tracing_ && traceKeys_) args.emplace_back("--trace-keys");
  if (connectionTimeoutMs_ > 0) {
    args.insert(args.end(), {"--connection-timeout-ms", std::to_string(connectionTimeoutMs_)});
  }
  if (!scenarioJson.empty()) {
    args.insert(args.end(), {"--scenario", dir_ + "/scenario.json"});
    std::ofstream(args.back()) << scenarioJson;
  }
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  args.insert(args.end(), {"--ready-fd", std::to_string(pipeFds[1])});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    fcntl(pipeFds[1], F_SETFD, 0);  // the write end survives exec; the read end does not
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  pid_ = pid;

  // The daemon writes a line once it listens; the pipe closes unwritten when it exits first.
  // One that does neither within 20 seconds fails the test instead of hanging it.
  pollfd ready{pipeFds[0], POLLIN, 0};
  char byte = 0;
  ssize_t n = 0;
  while ((n = poll(&ready, 1, 20000)) < 0 && errno == EINTR) {
  }
  if (n == 1) n = read(pipeFds[0], &byte, 1);
  close(pipeFds[0]);
  // Stop reaps the daemon that has exited; the signal comes too late to change its code.
  if (n != 1 || byte != '\n')
    throw std::runtime_error("cv7000-sim exited with code " + std::to_string(Stop()));
}

int SimHarness::Stop() {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<nlohmann::json> SimHarness::Trace() const {
  std::vector<nlohmann::json> lines;
  std::ifstream in(TracePath());
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(nlohmann::json::parse(line));
  }
  return lines;
}

}  // namespace netvane::testing
