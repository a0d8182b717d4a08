#include "keyentry/KeyValidation.h"

#include <algorithm>

#include "crypto/MathFunc.h"
#include "text/Translate.h"

namespace netvane {
namespace {

constexpr std::size_t kShortestPassphrase = 8;
constexpr std::size_t kLongestPassphrase = 63;
constexpr std::size_t kHexPskLength = 64;

// 0x20..0x7E. Text arrives from the window as UTF-8, so a character outside ASCII arrives as
// bytes of 0x80 and up and is refused here, where the user can still correct it.
bool PrintableAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte <= 0x7E;
  });
}

bool AllHexDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return crypto::BtoH(c) != 0xFF; });
}

std::optional<std::string> PreSharedKeyProblem(const std::string& psk) {
  // Characters first: once they are all ASCII, the byte counts below are the characters the
  // user sees.
  if (!PrintableAscii(psk)) {
    return text::Tr("KeyEntry",
                    "Invalid WPA Pre-Shared key. WPA-PSK used field should use printable ASCII "
                    "characters.");
  }
  if (psk.size() < kShortestPassphrase) {
    return text::Tr("KeyEntry",
                    "Invalid WPA Pre-Shared key. WPA-PSK used field should use more 8 "
                    "characters.");
  }
  if (psk.size() == kHexPskLength) {
    if (!AllHexDigits(psk)) {
      return text::Tr("KeyEntry",
                      "Invalid WPA Pre-Shared key. WPA-PSK used field should use more 64 "
                      "hexadecimal digital.");
    }
    return std::nullopt;
  }
  if (psk.size() > kLongestPassphrase) {
    return text::Tr("KeyEntry",
                    "Invalid WPA Pre-Shared key. WPA-PSK used field should use at most 63 "
                    "characters or 64 hexadecimal digits.");
  }
  return std::nullopt;
}

// Key in `slot` (0 to 3) judged by its own key type; an unknown type is not checked. A wrong
// character is reported before the length: converted as it is, it would give a key other than
// the one typed, and the length of text outside ASCII is not what the user counts.
std::optional<std::string> WepKeyProblem(const KeyEntryValues& values, std::size_t slot,
                                         bool emptyAllowed) {
  const std::string& typed = values.keyTexts[slot];
  const std::size_t length = typed.size();
  if (emptyAllowed && length == 0) return std::nullopt;
  const std::string number = std::to_string(slot + 1);
  switch (values.keyTypes[slot]) {
    case kKeyTypeHex:
      if (!AllHexDigits(typed)) {
        return text::Arg(
            text::Tr("KeyEntry", "Invalid WEP key %1. WEP should use hexadecimal digits."),
            {number});
      }
      if (length == 10 || length == 26) return std::nullopt;
      return text::Arg(text::Tr("KeyEntry",
                                "Invalid WEP key %1 length. WEP should be 10 or 26 hexadecimal "
                                "digits."),
                       {number});
    case kKeyTypeAscii:
      if (!PrintableAscii(typed)) {
        return text::Arg(
            text::Tr("KeyEntry", "Invalid WEP key %1. WEP should use printable ASCII characters."),
            {number});
      }
      if (length == 5 || length == 13) return std::nullopt;
      return text::Arg(
          text::Tr("KeyEntry",
                   "Invalid WEP key %1 length. WEP should be 5 or 13 ASCII characters."),
          {number});
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> FindKeyProblem(const KeyEntryValues& values) {
  if (values.authentication >= kAuthWpaPsk) return PreSharedKeyProblem(values.preSharedKey);
  if (values.authentication != kAuthSharedKey && values.encryption != kEncryWep) {
    return std::nullopt;  // no key in use
  }
  // The transmit key must be there; the others may be left empty.
  const auto selected = static_cast<std::size_t>(std::clamp(values.selectedKey, 0, 3));
  if (auto problem = WepKeyProblem(values, selected, false)) return problem;
  for (std::size_t slot = 0; slot < kWepKeyCount; ++slot) {
    if (auto problem = WepKeyProblem(values, slot, true)) return problem;
  }
  return std::nullopt;
}

}  // namespace netvane
