// Lower-case hex without separators, as the trace and the scenario files write it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace netvane::sim {

std::string ToHex(std::span<const uint8_t> bytes);

// Empty optional when the text is not an even number of hex digits.
std::optional<std::vector<uint8_t>> FromHex(std::string_view text);

// "02:1a:2b:3c:4d:5e" (":" or "-" separated, either case).
std::optional<std::vector<uint8_t>> ParseMac(std::string_view text);

// "0x0d010217" or a decimal number, within 32 bits.
std::optional<uint32_t> ParseSelector(std::string_view text);

}  // namespace netvane::sim
