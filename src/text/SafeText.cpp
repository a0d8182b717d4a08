#include "text/SafeText.h"

#include <cstdint>
#include <cstdio>

namespace netvane::text {
namespace {

constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Decodes one strict UTF-8 sequence at `at` (no overlong forms, no surrogates, nothing above
// U+10FFFF, nothing cut off); `length` is how many bytes it took, 1 for a byte that is not UTF-8.
char32_t Decode(std::string_view s, std::size_t at, std::size_t& length) {
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

void AppendEscape(std::string& out, const char* format, unsigned value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, format, value);
  out += escaped;
}

std::string Escape(std::string_view bytes, bool escapeBackslash) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
    const char32_t cp = Decode(bytes, at, length);
    if (cp == kNotUtf8 || IsControl(cp)) {
      AppendEscape(out, "\\x%02X", static_cast<uint8_t>(bytes[at]));
    } else if (IsLineBreaker(cp)) {
      AppendEscape(out, "\\u%04X", static_cast<unsigned>(cp));
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
    const char32_t cp = Decode(json, at, length);
    if (cp == kNotUtf8) {
      out += "\\ufffd";
    } else if (cp == 0x7F || IsLineBreaker(cp)) {
      AppendEscape(out, "\\u%04x", static_cast<unsigned>(cp));
    } else {
      out.append(json.substr(at, length));
    }
  }
  return out;
}

}  // namespace netvane::text
