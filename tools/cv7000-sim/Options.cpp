#include "Options.h"

#include <charconv>
#include <string_view>

namespace netvane::sim {

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (i + 1 >= argc) {
      error = std::string(arg) + " needs a value";
      return std::nullopt;
    }
    const std::string_view value(argv[++i]);
    if (arg == "--scenario") {
      o.scenarioPath = value;
    } else if (arg == "--instance") {
      // The instance names a file in the registry: keep it to one plain path component.
      if (value.empty() || value.find('/') != std::string_view::npos || value == "." ||
          value == "..") {
        error = "--instance must be a plain name";
        return std::nullopt;
      }
      o.instance = value;
    } else if (arg == "--trace") {
      o.tracePath = value;
    } else if (arg == "--ready-fd") {
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), o.readyFd);
      if (ec != std::errc() || end != value.data() + value.size() || o.readyFd < 0) {
        error = "--ready-fd needs a file descriptor number";
        return std::nullopt;
      }
    } else {
      error = "unknown option " + std::string(arg);
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace netvane::sim
