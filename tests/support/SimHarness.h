// Runs the real cv7000-sim daemon for a test: a private temporary registry, HOME and
// preferences folder, the daemon started as a child, its readiness awaited through a pipe (no
// sleeping), its JSON-lines trace read back. Independent of the utility's own user-client code.
#pragma once

#include <sys/types.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace netvane::testing {

class SimHarness {
 public:
  // Makes the temporary folder and points XDG_RUNTIME_DIR, HOME, XDG_CONFIG_HOME and
  // XDG_STATE_HOME of this process into it.
  SimHarness();
  SimHarness(const SimHarness&) = delete;
  SimHarness& operator=(const SimHarness&) = delete;
  // Stops the daemon, restores the environment and removes the folder.
  ~SimHarness();

  // Starts the daemon and returns once it is listening. `scenarioJson` empty: the built-in
  // environment. Throws std::runtime_error when the daemon fails to come up (its exit code and
  // the reason are in the message). Start after Stop is a re-insertion of the adapter.
  void Start(const std::string& scenarioJson = "", const std::string& instance = "0");
  // SIGTERM and wait; returns the daemon's exit code (-1 when it was not running or was killed).
  int Stop();
  // Starts after this run the daemon without a trace (benchmarks: the trace costs it a write
  // and a hex encoding of every request).
  void SetTracing(bool on) { tracing_ = on; }

  const std::string& Dir() const { return dir_; }
  std::string SocketPath() const;
  std::string TracePath() const { return dir_ + "/trace.jsonl"; }

  // Every trace line written so far, parsed.
  std::vector<nlohmann::json> Trace() const;
  // Empties the trace file; the daemon appends (O_APPEND), so its next line starts the file.
  void ClearTrace() const { std::ofstream(TracePath(), std::ios::trunc); }

 private:
  std::string dir_;
  std::string instance_ = "0";
  pid_t pid_ = -1;
  bool tracing_ = true;
  std::vector<std::pair<const char*, std::optional<std::string>>> savedEnv_;
};

}  // namespace netvane::testing
