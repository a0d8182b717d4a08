// One function per subcommand. Each writes its table or JSON to io.out and returns the exit
// code, or throws CliFailure with the one line for standard error.
#pragma once

#include <optional>
#include <string>

#include "cli/Session.h"

namespace netvane::cli {

struct ConnectOptions {
  std::string target;  // SSID, or BSSID as six hexadecimal pairs
  std::string keyFile;
  bool ask = false;
  int wepIndex = 1;  // 1 to 4
  std::string auth;  // "", "open" or "shared"
  bool hidden = false;
  int waitSeconds = 10;
};

int ScanCommand(Session& s, bool json);
// Two link readings `intervalSeconds` apart give the throughput; 0 takes one reading and
// reports no throughput (for scripts that poll often).
int StatusCommand(Session& s, bool json, unsigned intervalSeconds);
int StatsCommand(Session& s, bool reset, bool json);
int RadioCommand(Session& s, bool on);
int AboutCommand(Session& s, bool json);
int ConnectCommand(Session& s, const ConnectOptions& options);
// `action` is "list", "activate" or "delete"; `which` a number from 1 or a profile name.
int ProfilesCommand(Session& s, const std::string& action, const std::string& which, bool json,
                    int waitSeconds);

}  // namespace netvane::cli
