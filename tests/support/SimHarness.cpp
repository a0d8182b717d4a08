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
#include <stdexcept>

#ifndef NETVANE_SIM_PATH
#error "NETVANE_SIM_PATH must name the cv7000-sim program"
#endif

namespace netvane::testing {
namespace {

// Only a safety net for a daemon that never comes up; a healthy one is ready in milliseconds.
constexpr int kReadyTimeoutMs = 20000;

void Remember(const char* name, std::string& saved, bool& had) {
  const char* v = std::getenv(name);
  had = v != nullptr;
  if (had) saved = v;
}

void Restore(const char* name, const std::string& saved, bool had) {
  if (had) {
    setenv(name, saved.c_str(), 1);
  } else {
    unsetenv(name);
  }
}

int ExitCodeOf(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

SimHarness::SimHarness() {
  char templ[] = "/tmp/netvane-sim-XXXXXX";
  if (mkdtemp(templ) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  dir_ = templ;
  const std::string runtime = dir_ + "/run";
  const std::string home = dir_ + "/home";
  mkdir(runtime.c_str(), 0700);
  mkdir(home.c_str(), 0700);
  Remember("XDG_RUNTIME_DIR", savedRuntimeDir_, hadRuntimeDir_);
  Remember("HOME", savedHome_, hadHome_);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("HOME", home.c_str(), 1);
}

SimHarness::~SimHarness() {
  Stop();
  Restore("XDG_RUNTIME_DIR", savedRuntimeDir_, hadRuntimeDir_);
  Restore("HOME", savedHome_, hadHome_);
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string SimHarness::SocketPath() const {
  return dir_ + "/run/netvane/services/CardBusWirelessDriver/" + instance_ + ".sock";
}

void SimHarness::Start(const std::string& scenarioJson, const std::string& instance) {
  if (Running()) throw std::runtime_error("the simulator is already running");
  instance_ = instance;
  std::vector<std::string> args = {NETVANE_SIM_PATH, "--instance", instance};
  if (tracing_) args.insert(args.end(), {"--trace", TracePath()});
  if (tracing_ && traceKeys_) args.emplace_back("--trace-keys");
  if (connectionTimeoutMs_ > 0) {
    args.insert(args.end(), {"--connection-timeout-ms", std::to_string(connectionTimeoutMs_)});
  }
  if (!scenarioJson.empty()) {
    const std::string path = dir_ + "/scenario-" + std::to_string(++scenarioCount_) + ".json";
    std::ofstream(path) << scenarioJson;
    args.insert(args.end(), {"--scenario", path});
  }
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  args.insert(args.end(), {"--ready-fd", std::to_string(pipeFds[1])});
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
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

  pollfd p{pipeFds[0], POLLIN, 0};
  int n = 0;
  do {
    n = poll(&p, 1, kReadyTimeoutMs);
  } while (n < 0 && errno == EINTR);
  char byte = 0;
  const bool ready = n == 1 && read(pipeFds[0], &byte, 1) == 1 && byte == '\n';
  close(pipeFds[0]);
  if (!ready) {
    const bool timedOut = n == 0;
    if (timedOut) kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    throw std::runtime_error(timedOut ? "cv7000-sim did not become ready"
                                      : "cv7000-sim exited with code " +
                                            std::to_string(ExitCodeOf(status)));
  }
}

int SimHarness::Stop() {
  if (!Running()) return -1;
  kill(pid_, SIGTERM);
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  return ExitCodeOf(status);
}

std::vector<nlohmann::json> SimHarness::Trace() const {
  std::vector<nlohmann::json> lines;
  std::ifstream in(TracePath());
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty()) lines.push_back(nlohmann::json::parse(line));
  }
  return lines;
}

std::vector<nlohmann::json> SimHarness::TraceSince(std::size_t n) const {
  std::vector<nlohmann::json> all = Trace();
  if (n >= all.size()) return {};
  return {all.begin() + static_cast<long>(n), all.end()};
}

void SimHarness::ClearTrace() const {
  // The daemon appends (O_APPEND), so its next line lands at the start of the emptied file.
  if (truncate(TracePath().c_str(), 0) != 0 && errno != ENOENT) {
    throw std::runtime_error("cannot empty the trace file");
  }
}

}  // namespace netvane::testing
