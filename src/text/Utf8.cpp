#include "text/Utf8.h"

#include <cstdint>

namespace netvane::text {

char32_t DecodeUtf8(std::string_view s, std::size_t at, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = byte(at);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t extra = 0;
  char32_t cp = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1Fu, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0Fu, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07u, least = 0x10000;
  } else {
    return kNotUtf8;
  }
  if (at + extra >= s.size()) return kNotUtf8;
  for (std::size_t i = 1; i <= extra; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return kNotUtf8;
    cp = (cp << 6) | (byte(at + i) & 0x3Fu);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kNotUtf8;
  length = extra + 1;
  return cp;
}

}  // namespace netvane::text
