// Network and profile names an attacker would broadcast or write into a file, each with the
// form a person reads it in (a terminal, the event log): the one table every front end's test
// runs through its own escaping. Each name fits an SSID (32 bytes).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace netvane::testing {

struct HostileName {
  const char* what;
  std::string bytes;
  std::string shown;  // text::EscapedText's form
};

inline const std::vector<HostileName>& HostileNames() {
  static const std::vector<HostileName> names = {
      {"window title", "\x1b]0;owned\x07", "\\x1B]0;owned\\x07"},
      {"clear screen", "\x1b[2J", "\\x1B[2J"},
      {"forged line", "Home\r\n2026 Connected", "Home\\x0D\\x0A2026 Connected"},
      {"DEL", "a\x7f", "a\\x7F"},
      {"C1 controls", "\u009B2J\u0085", "\\u009B2J\\u0085"},
      {"right-to-left override", "\u202Egnp.exe", "\\u202Egnp.exe"},
      {"embeddings, isolates", "\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069",
       "\\u202A\\u202B\\u202C\\u202D\\u2066\\u2067\\u2068\\u2069"},
      {"marks", "\u200E\u200F\u061C", "\\u200E\\u200F\\u061C"},
      {"line separator", "a\u2028b", "a\\u2028b"},
      {"paragraph separator", "Home\u2029Adapter removed", "Home\\u2029Adapter removed"},
      {"zero byte", std::string("Home\0Evil", 9), "Home\\x00Evil"},
      {"backslash sequence", "\\x1B", "\\\\x1B"},
      {"Latin-1", "Caf\xe9", "Caf\\xE9"},
      {"overlong, surrogate, cut off", "\xc0\xaf\xed\xa0\x80\xe2\x80",
       "\\xC0\\xAF\\xED\\xA0\\x80\\xE2\\x80"},
      {"plain UTF-8", "Caf\u00e9 \u20ac", "Caf\u00e9 \u20ac"},
  };
  return names;
}

// The first thing in `text` that would act on a terminal or a line instead of showing: a C0
// control other than the line feeds and indentation a caller allows, DEL, a C1 control, a bidi
// control or a line or paragraph separator (in UTF-8). Empty when there is none.
inline std::string RawHazard(std::string_view text, std::string_view allowed = {}) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const auto next = [&](std::size_t k) {
      return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    };
    const bool control = (b < 0x20 && allowed.find(text[i]) == std::string_view::npos) || b == 0x7F;
    const bool c1 = b == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F;
    const bool arabicMark = b == 0xD8 && next(1) == 0x9C;
    const bool marks = b == 0xE2 && next(1) == 0x80 &&
                       (next(2) == 0x8E || next(2) == 0x8F || (next(2) >= 0xA8 && next(2) <= 0xAE));
    const bool isolates = b == 0xE2 && next(1) == 0x81 && next(2) >= 0xA6 && next(2) <= 0xA9;
    if (control || c1 || arabicMark || marks || isolates) {
      return "byte " + std::to_string(b) + " at " + std::to_string(i);
    }
  }
  return {};
}

}  // namespace netvane::testing
