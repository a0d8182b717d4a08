#include "Options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <limits>

#include "driverkit/ServiceOptions.h"

namespace netvane::nmbridge {
namespace {

constexpr int kExitUsage = 2;

// An interface name names a file in the registry: one plain path component.
std::string PlainName(const std::string& name) {
  return !name.empty() && name.find('/') == std::string::npos && name.front() != '.'
             ? std::string()
             : std::string("must be an interface name");
}

}  // namespace

ParsedOptions ParseOptions(int argc, const char* const* argv) {
  Options o;
  CLI::App app{
      "Serves the driver protocol of Netvane for the Wi-Fi devices NetworkManager "
      "manages, one socket per device.",
      "netvane-nm-bridge"};
  app.set_version_flag("--version", std::string("netvane-nm-bridge ") + NETVANE_VERSION);
  app.add_option("--instance", o.instance, "serve only the device with this interface name")
      ->option_text("IFACE")
      ->check(PlainName);
  app.add_option("--sysfs-root", o.sysfsRoot,
                 "where the interface counters are read (default /sys/class/net)")
      ->option_text("DIR");
  app.add_flag("--verbose", o.verbose, "a debug line per connection and NetworkManager call");
  app.add_option("--ready-fd", o.readyFd, "a newline to this descriptor once every socket listens")
      ->option_text("N")
      ->check(CLI::Range(0, std::numeric_limits<int>::max()));
  app.add_option("--connection-timeout-ms", o.connectionTimeoutMs)
      ->check(driverkit::CheckConnectionTimeoutMs)
      ->group("");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return {std::nullopt, app.help(), 0};
  } catch (const CLI::CallForVersion& e) {
    return {std::nullopt, std::string(e.what()) + "\n", 0};
  } catch (const CLI::ParseError& e) {
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    if (message.starts_with(": ")) message.erase(0, 2);
    return {std::nullopt, "netvane-nm-bridge: " + message + "; run netvane-nm-bridge --help\n",
            kExitUsage};
  }
  return {o, {}, 0};
}

}  // namespace netvane::nmbridge
