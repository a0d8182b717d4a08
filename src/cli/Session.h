// What every adapter command works with: the shared state, the socket user client (limited to
// one instance when asked), the driver access, and a task runner that applies records the way
// the site survey page does, without its timer.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "cli/Cli.h"
#include "driver/CV7000Access.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "survey/ProfileHooks.h"
#include "survey/TaskExecutor.h"
#include "survey/TaskQueue.h"
#include "ui/Alert.h"

namespace netvane::cli {

// Ends the command: `message` is the one line on standard error, `code` the exit code.
struct CliFailure : std::runtime_error {
  CliFailure(int exitCode, const std::string& message)
      : std::runtime_error(message), code(exitCode) {}
  int code;
};

// Card-level alerts become lines on standard error.
class ErrorAlert : public ui::Alert {
 public:
  explicit ErrorAlert(std::ostream& err) : err_(err) {}
  void Run(const std::string& message, const std::string& informativeText) override;

 private:
  std::ostream& err_;
};

// Queues and runs a record at once: there is no timer to stop.
class DirectTarget : public ConnectionTarget {
 public:
  DirectTarget(SharedState& state, CV7000Access& adapter) : executor_(state, adapter, queue_) {}
  void StopSiteSurveyTimer() override {}
  void SetTaskQueue(std::unique_ptr<PROFILE_DATA> record) override {
    executor_.SetTaskQueue(std::move(record));
  }
  void DoTask() override { executor_.DoTask(); }
  void StartSiteSurveyTimer() override {}
  void resetFlag() override {}

 private:
  TaskQueue queue_;
  TaskExecutor executor_;
};

class Session {
 public:
  Session(CliIo& io, const std::string& instance);

  // Throws CliFailure(kExitNoAdapter) unless the driver service is there and opens; when a
  // registry folder or socket was refused, that is the one line it reports.
  void RequireAdapter();
  // A scan started, waited for and collected into state.G_pBssidList.
  void Scan();
  // True when the adapter reports a network joined; `ssid` and `bssid` are then filled.
  bool Joined(std::string* ssid, std::array<uint8_t, kMacLength>* bssid);

  CliIo& io;
  SharedState state;
  userclient::SocketUserClient api;
  ErrorAlert alert;
  CV7000Access adapter;
  DirectTarget target;

 private:
  std::string refusal_;
};

}  // namespace netvane::cli
