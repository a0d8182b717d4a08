#include "text/SafeText.h"

#include <cstdint>

#include "text/Utf8.h"

namespace netvane::text {
namespace {

bool IsControl(char32_t cp) {
  return cp < 0x20 || cp == 0x7F;
}

// C1 controls, and the characters that reorder or break a line without being controls:
// Arabic letter mark, left-to-right and right-to-left marks, line and paragraph separators,
// the bidi embeddings and overrides, the bidi isolates.
bool IsLineBreaker(char32_t cp) {
  return (cp >= 0x80 && cp <= 0x9F) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
         (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

// `\` `kind` and `digits` hex digits of `value` (every escaped character is in the BMP).
void AppendEscape(std::string& out, char kind, int digits, unsigned value, bool upper = true) {
  const char* hex = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  out += '\\';
  out += kind;
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += hex[(value >> shift) & 0xFU];
}

std::string Escape(std::string_view bytes, bool escapeBackslash) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
    const char32_t cp = DecodeUtf8(bytes, at, length);
    if (cp == kNotUtf8 || IsControl(cp)) {
      AppendEscape(out, 'x', 2, static_cast<uint8_t>(bytes[at]));
    } else if (IsLineBreaker(cp)) {
      AppendEscape(out, 'u', 4, static_cast<unsigned>(cp));
    } else if (cp == '\\' && escapeBackslash) {
      out += "\\\\";
    } else {
      out.append(bytes.substr(at, length));
    }
  }
  return out;
}

}  // namespace

std::string EscapedText(std::string_view bytes) {
  return Escape(bytes, true);
}

std::string ShownLine(std::string_view line) {
  return Escape(line, false);
}

std::string JsonSafe(std::string_view json) {
  std::string out;
  out.reserve(json.size());
  for (std::size_t at = 0, length = 0; at < json.size(); at += length) {
    const char32_t cp = DecodeUtf8(json, at, length);
    if (cp == kNotUtf8) {
      out += "\\ufffd";
    } else if (cp == 0x7F || IsLineBreaker(cp)) {
      AppendEscape(out, 'u', 4, static_cast<unsigned>(cp), false);
    } else {
      out.append(json.substr(at, length));
    }
  }
  return out;
}

}  // namespace netvane::text
