#include "Options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <limits>

#include "driverkit/ServiceOptions.h"

namespace netvane::sim {
namespace {

constexpr int kExitUsage = 2;

}  // namespace

ParsedOptions ParseOptions(int argc, const char* const* argv) {
  Options o;
  CLI::App app{"Simulated driver of a CV7000-family wireless adapter.", "cv7000-sim"};
  app.add_option("--scenario", o.scenarioPath, "the radio environment and the card, as JSON")
      ->option_text("FILE");
  // The instance names a file in the registry: keep it to one plain path component.
  app.add_option("--instance", o.instance, "the socket's name without .sock (default 0)")
      ->option_text("NAME")
      ->check([](const std::string& name) {
        return !name.empty() && name.find('/') == std::string::npos && name != "." && name != ".."
                   ? std::string()
                   : std::string("must be a plain name");
      });
  CLI::Option* trace =
      app.add_option("--trace", o.tracePath, "one JSON line per request")->option_text("FILE");
  app.add_flag("--trace-keys", o.traceKeys, "key bytes in the trace as they arrived")->needs(trace);
  app.add_option("--ready-fd", o.readyFd, "a newline to this descriptor once listening")
      ->option_text("N")
      ->check(CLI::Range(0, std::numeric_limits<int>::max()));
  app.add_flag("--verbose", o.verbose, "a debug line per connection and call");
  // Left out of the help: it exists so that tests need not wait 5 seconds.
  app.add_option("--connection-timeout-ms", o.connectionTimeoutMs)
      ->check(driverkit::CheckConnectionTimeoutMs)
      ->group("");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return {std::nullopt, app.help(), 0};
  } catch (const CLI::ParseError& e) {
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    // A hidden option's check is reported without its name (its message names it).
    if (message.starts_with(": ")) message.erase(0, 2);
    return {std::nullopt, "cv7000-sim: " + message + "; run cv7000-sim --help\n", kExitUsage};
  }
  return {o, {}, 0};
}

}  // namespace netvane::sim
