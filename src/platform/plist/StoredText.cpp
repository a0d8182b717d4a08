#include "platform/plist/StoredText.h"

#include <cstdint>

#include "text/Utf8.h"

namespace netvane::plist {
namespace {

constexpr char32_t kByteBase = 0xF700;  // U+F700 + byte
using text::DecodeUtf8;
using text::kNotUtf8;

bool IsByteCharacter(char32_t cp) {
  return cp >= kByteBase && cp <= kByteBase + 0xFF;
}

// Characters written as they are: no C0 or C1 controls, no DEL, nothing XML 1.0 forbids.
bool IsPlainCharacter(char32_t cp) {
  if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) return false;
  if (cp == 0xFFFE || cp == 0xFFFF) return false;
  return !IsByteCharacter(cp);
}

// Printable ASCII: plain in every form, and the common case.
bool IsPrintableAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsPlainText(std::string_view bytes) {
  if (IsPrintableAscii(bytes)) return true;
  for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
    const char32_t cp = DecodeUtf8(bytes, at, length);
    if (cp == kNotUtf8 || !IsPlainCharacter(cp)) return false;
  }
  return true;
}

bool IsXmlText(std::string_view bytes) {
  if (IsPrintableAscii(bytes)) return true;
  for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
    const char32_t cp = DecodeUtf8(bytes, at, length);
    if (cp == kNotUtf8) return false;
    if (!IsPlainCharacter(cp) && !IsByteCharacter(cp) && cp != '\t' && cp != '\n') return false;
  }
  return true;
}

std::string StoredText(std::string_view bytes) {
  return IsPlainText(bytes) ? std::string(bytes) : StoredKeyText(bytes);
}

std::string StoredKeyText(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    AppendUtf8(out, b >= 0x20 && b < 0x7F ? char32_t{b} : kByteBase + b);
  }
  return out;
}

std::string BytesFromStoredText(std::string_view text) {
  // Every byte-form character starts with 0xEF in UTF-8.
  if (text.find('\xEF') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
    const char32_t cp = DecodeUtf8(text, at, length);
    if (cp != kNotUtf8 && IsByteCharacter(cp)) {
      out += static_cast<char>(cp - kByteBase);
    } else {
      out.append(text.substr(at, length));
    }
  }
  return out;
}

}  // namespace netvane::plist
