// Command line of the daemon.
#pragma once

#include <optional>
#include <string>

#include "platform/userclient/Protocol.h"

namespace netvane::sim {

struct Options {
  std::string scenarioPath;  // empty: the built-in environment
  std::string instance = "0";
  std::string tracePath;   // empty: no trace
  bool traceKeys = false;  // key bytes written to the trace as they arrived
  bool verbose = false;    // a debug line per connection and call
  int readyFd = -1;
  // From accept to the last byte of a connection.
  int connectionTimeoutMs = userclient::kIoTimeoutSeconds * 1000;
};

// What the command line asks for: options to run with, or a text to print and an exit status
// (the help, or one line saying what was not understood).
struct ParsedOptions {
  std::optional<Options> options;
  std::string text;
  int exitCode = 0;
};

ParsedOptions ParseOptions(int argc, const char* const* argv);

}  // namespace netvane::sim
