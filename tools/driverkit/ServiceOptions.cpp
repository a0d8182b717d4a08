#include "driverkit/ServiceOptions.h"

#include <charconv>

namespace netvane::driverkit {
namespace {

constexpr int kMaxConnectionTimeoutMs = 600000;

}  // namespace

std::string CheckConnectionTimeoutMs(const std::string& text) {
  int ms = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), ms);
  return ec == std::errc() && end == text.data() + text.size() && ms >= 1 &&
                 ms <= kMaxConnectionTimeoutMs
             ? std::string()
             : std::string("--connection-timeout-ms needs milliseconds, 1 to 600000");
}

}  // namespace netvane::driverkit
