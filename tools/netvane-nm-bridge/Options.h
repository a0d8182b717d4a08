// Command line of the bridge.
#pragma once

#include <optional>
#include <string>

#include "platform/userclient/Protocol.h"

namespace netvane::nmbridge {

struct Options {
  std::string instance;  // an interface name: serve that device alone; empty: every one
  std::string sysfsRoot = "/sys/class/net";
  bool verbose = false;
  int readyFd = -1;
  int connectionTimeoutMs = userclient::kIoTimeoutSeconds * 1000;
};

// Options to run with, or a text to print and an exit status (help, version, or one line
// saying what was not understood).
struct ParsedOptions {
  std::optional<Options> options;
  std::string text;
  int exitCode = 0;
};

ParsedOptions ParseOptions(int argc, const char* const* argv);

}  // namespace netvane::nmbridge
