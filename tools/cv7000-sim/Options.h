// Command line of the daemon.
#pragma once

#include <optional>
#include <string>

namespace netvane::sim {

struct Options {
  std::string scenarioPath;  // empty: the built-in environment
  std::string instance = "0";
  std::string tracePath;  // empty: no trace
  int readyFd = -1;
};

// Empty optional, with `error` set, when the arguments are not understood.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

constexpr const char* kUsage =
    "usage: cv7000-sim [--scenario FILE] [--instance NAME] [--trace FILE] [--ready-fd N]\n";

}  // namespace netvane::sim
