#include "cli/Cli.h"

#include <CLI/CLI.hpp>

#include "cli/Commands.h"
#include "cli/Table.h"
#include "platform/system/Log.h"
#include "status/AboutFigures.h"

namespace netvane::cli {
namespace {

// CLI11's own message, on one line, with what to do.
int UsageError(CliIo& io, const CLI::ParseError& e, const std::string& where) {
  std::string message = e.what();
  std::replace(message.begin(), message.end(), '\n', ' ');
  io.err << "netvane-cli: " << Printable(message) << "; run " << where << " --help\n";
  return kExitUsage;
}

}  // namespace

int Run(int argc, const char* const* argv, CliIo& io) {
  CLI::App app{"Configures a CV7000-family wireless adapter.", "netvane-cli"};
  app.set_version_flag("--version", std::string("netvane-cli ") + kNetvaneVersion);
  app.require_subcommand(1);
  std::string instance;
  app.add_option("--instance", instance, "the adapter's service name (<name>.sock)")
      ->check([](const std::string& name) {
        return name.find('/') == std::string::npos ? std::string()
                                                   : std::string("a plain name, without '/'");
      });
  bool verbose = false;
  app.add_flag("--verbose", verbose, "debug lines on standard error");

  bool json = false;
  auto addJson = [&json](CLI::App* sub) {
    sub->add_flag("--json", json, "machine-readable output (fields in docs/cli.md)");
  };

  CLI::App* scan = app.add_subcommand("scan", "scan and list the networks heard");
  addJson(scan);
  CLI::App* status = app.add_subcommand("status", "the link: network, channel, rate, quality");
  addJson(status);
  unsigned interval = 0;
  status
      ->add_option("--interval", interval,
                   "read twice S seconds apart for the throughput (default 0: one reading)")
      ->check(CLI::Range(0, 60));

  ConnectOptions connect;
  CLI::App* conn = app.add_subcommand("connect", "join a network by SSID or BSSID");
  conn->add_option("network", connect.target, "SSID, or BSSID as 02:C0:7A:00:00:01")->required();
  CLI::Option* keyFile =
      conn->add_option("--key-file", connect.keyFile, "read the key from FILE (mode 0600)");
  CLI::Option* ask = conn->add_flag("--ask", connect.ask, "type the key on the terminal");
  keyFile->excludes(ask);
  conn->add_option("--wep-index", connect.wepIndex, "WEP transmit key 1-4 (default 1)")
      ->check(CLI::Range(1, 4));
  conn->add_option("--auth", connect.auth, "WEP authentication")
      ->check(CLI::IsMember({"open", "shared"}));
  conn->add_flag("--hidden", connect.hidden, "the network does not broadcast its SSID");
  conn->add_option("--wait", connect.waitSeconds, "seconds to wait for the join (default 10)")
      ->check(CLI::Range(0, 3600));

  std::string action = "list";
  std::string which;
  int profileWait = 10;
  CLI::App* profiles = app.add_subcommand("profiles", "list, activate or delete profiles");
  profiles->add_option("action", action, "list (default), activate or delete")
      ->check(CLI::IsMember({"list", "activate", "delete"}));
  profiles->add_option("profile", which, "number from 1 as listed, or name");
  profiles->add_option("--wait", profileWait, "seconds to wait for the join (default 10)")
      ->check(CLI::Range(0, 3600));
  addJson(profiles);

  bool reset = false;
  CLI::App* stats = app.add_subcommand("stats", "the frame counters");
  stats->add_flag("--reset", reset, "set the counters to zero first");
  addJson(stats);

  std::string radioState;
  CLI::App* radio = app.add_subcommand("radio", "switch the radio on or off");
  radio->add_option("state", radioState, "on or off")
      ->required()
      ->check(CLI::IsMember({"on", "off"}));

  CLI::App* about = app.add_subcommand("about", "versions, EEPROM and MAC address");
  addJson(about);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      return app.exit(e, io.out, io.err);  // --help, --version
    }
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty()) {
      // CLI11 reports only the missing subcommand; name the word it could not place.
      for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--instance") {
          ++i;
        } else if (word.rfind("--instance=", 0) != 0) {
          io.err << "netvane-cli: unknown subcommand or option " << Printable(word)
                 << "; run netvane-cli --help\n";
          return kExitUsage;
        }
      }
    }
    return UsageError(io, e,
                      chosen.empty() ? "netvane-cli" : "netvane-cli " + chosen.front()->get_name());
  }

  system::SetLogVerbose(verbose);
  try {
    if (profiles->parsed() && action != "list" && which.empty()) {
      throw CliFailure(kExitUsage, "profiles " + action + " needs a profile number or name");
    }
    Session session(io, instance);
    if (scan->parsed()) return ScanCommand(session, json);
    if (status->parsed()) return StatusCommand(session, json, interval);
    if (conn->parsed()) return ConnectCommand(session, connect);
    if (profiles->parsed()) return ProfilesCommand(session, action, which, json, profileWait);
    if (stats->parsed()) return StatsCommand(session, reset, json);
    if (radio->parsed()) return RadioCommand(session, radioState == "on");
    return AboutCommand(session, json);
  } catch (const CliFailure& failure) {
    io.err << "netvane-cli: " << Printable(failure.what()) << '\n';
    return failure.code;
  }
}

}  // namespace netvane::cli
