#include "Options.h"

#include <charconv>
#include <limits>
#include <string_view>

namespace netvane::sim {
namespace {

constexpr int kMaxConnectionTimeoutMs = 600000;

// A whole decimal number within [min, max].
bool ParseInt(std::string_view text, int min, int max, int& out) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max) return false;
  out = v;
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg == "--trace-keys") {
      o.traceKeys = true;
      continue;
    }
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
      if (!ParseInt(value, 0, std::numeric_limits<int>::max(), o.readyFd)) {
        error = "--ready-fd needs a file descriptor number";
        return std::nullopt;
      }
    } else if (arg == "--connection-timeout-ms") {
      if (!ParseInt(value, 1, kMaxConnectionTimeoutMs, o.connectionTimeoutMs)) {
        error = "--connection-timeout-ms needs milliseconds, 1 to 600000";
        return std::nullopt;
      }
    } else {
      error = "unknown option " + std::string(arg);
      return std::nullopt;
    }
  }
  if (o.traceKeys && o.tracePath.empty()) {
    error = "--trace-keys needs --trace";
    return std::nullopt;
  }
  return o;
}

}  // namespace netvane::sim
