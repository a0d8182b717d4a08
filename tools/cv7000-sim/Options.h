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
  int readyFd = -1;
  // From accept to the last byte of a connection.
  int connectionTimeoutMs = userclient::kIoTimeoutSeconds * 1000;
};

// Empty optional, with `error` set, when the arguments are not understood.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

// --connection-timeout-ms is left out: it exists so that tests need not wait 5 seconds.
constexpr const char* kUsage =
    "usage: cv7000-sim [--scenario FILE] [--instance NAME] [--trace FILE [--trace-keys]]"
    " [--ready-fd N]\n";

}  // namespace netvane::sim
