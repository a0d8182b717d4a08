#include "core/Counters.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <limits>

namespace netvane::nmbridge {
namespace {

// A counter is at most 20 decimal digits and a newline; anything longer is not one.
constexpr std::size_t kMaxCounterText = 24;

std::optional<uint64_t> ParseCounter(const char* text, std::size_t length) {
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  if (length == 0) return std::nullopt;
  uint64_t value = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<uint64_t>(c - '0');
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

SysfsCounters::SysfsCounters(std::string root, std::string interface)
    : folder_(std::move(root) + "/" + std::move(interface) + "/statistics/") {}

std::optional<uint64_t> SysfsCounters::Read(const std::string& name) const {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  const std::string path = folder_ + name;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  std::array<char, kMaxCounterText + 1> buffer{};
  std::size_t got = 0;
  while (got < buffer.size()) {
    const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (got > kMaxCounterText) return std::nullopt;
  return ParseCounter(buffer.data(), got);
}

}  // namespace netvane::nmbridge
