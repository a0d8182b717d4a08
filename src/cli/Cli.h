// netvane-cli: the adapter from a terminal or a script. Run is the whole program behind its
// streams, so tests call it in-process; main only supplies the real streams and functions.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "platform/system/SecretInput.h"
#include "platform/system/Sleep.h"

namespace netvane::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailed = 1,     // the operation failed: not joined, driver refused
  kExitUsage = 2,      // the command line or a key could not be used
  kExitNoAdapter = 3,  // no driver service answered
};

struct CliIo {
  std::ostream& out;
  std::ostream& err;
  system::SleepFunction sleep;  // every wait (scan, throughput interval, join polling)
  std::function<system::SecretText(const std::string& path)> readKeyFile;
  std::function<system::SecretText(const std::string& prompt)> askKey;
};

int Run(int argc, const char* const* argv, CliIo& io);

}  // namespace netvane::cli
