// Strict UTF-8 decoding, one sequence at a time, for the code that must tell a name's text
// apart from bytes that are not text.
#pragma once

#include <cstddef>
#include <string_view>

namespace netvane::text {

inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The code point of the UTF-8 sequence at `at` and in `length` how many bytes it takes; or
// kNotUtf8 and a length of 1 when the byte there does not start one (an overlong form, a
// surrogate, a value above U+10FFFF, a sequence cut off).
char32_t DecodeUtf8(std::string_view s, std::size_t at, std::size_t& length);

}  // namespace netvane::text
