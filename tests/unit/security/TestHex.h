// Hex formatting of byte ranges for readable test failures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace netvane::test {

inline std::string ToHex(const std::uint8_t* data, std::size_t len) {
  static const char kDigits[] = "0123456789abcdef";
  std::string s;
  for (std::size_t i = 0; i < len; ++i) {
    s += kDigits[data[i] >> 4];
    s += kDigits[data[i] & 15];
  }
  return s;
}

}  // namespace netvane::test
