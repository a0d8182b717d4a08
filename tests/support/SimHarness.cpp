#include "support/SimHarness.h"

#include "support/ReadyChild.h"

#include <sys/stat.h>

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
  if (!scenarioJson.empty()) {
    args.insert(args.end(), {"--scenario", dir_ + "/scenario.json"});
    std::ofstream(args.back()) << scenarioJson;
  }
  args.insert(args.end(), {"--ready-fd", "{fd}"});
  const ReadyChild child = StartAndAwaitLine(std::move(args));
  if (child.pid < 0) throw std::runtime_error("cannot start cv7000-sim");
  pid_ = child.pid;
  // The daemon writes an empty line once it listens; the pipe closes unwritten when it exits
  // first. Stop reaps the daemon that has exited; the signal comes too late to change its code.
  if (child.line != "") {
    throw std::runtime_error("cv7000-sim exited with code " + std::to_string(Stop()));
  }
}

int SimHarness::Stop() {
  return StopChild(pid_);
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
