// Checks typed WEP keys and WPA pre-shared keys before a dialog accepts them. Plain values in,
// the message for the first problem out, so both security dialogs judge keys the same way.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/system/Wipe.h"

namespace netvane {

constexpr int32_t kAuthOpenSystem = 0;
constexpr int32_t kAuthSharedKey = 1;
constexpr int32_t kAuthWpaPsk = 2;
constexpr int32_t kAuthWpa2Psk = 3;  // the same key, the same derivation; RSN on the air
// Encryption indexes read with the authentication: none/WEP, or TKIP/AES under either PSK.
constexpr int32_t kEncryNone = 0;
constexpr int32_t kEncryWep = 1;
constexpr int32_t kEncryTkip = 0;
constexpr int32_t kEncryAes = 1;
constexpr int32_t kKeyTypeHex = 0;
constexpr int32_t kKeyTypeAscii = 1;
constexpr std::size_t kWepKeyCount = 4;

// What the dialog's controls hold; indexes are -1 when nothing is selected. The key texts are
// wiped when the values end; copies are made, not moves, so no short text is left behind in a
// moved-from string.
struct KeyEntryValues {
  int32_t authentication = -1;
  int32_t encryption = -1;
  int32_t selectedKey = 0;  // 0 to 3: the transmit key
  std::array<int32_t, kWepKeyCount> keyTypes{};
  std::array<std::string, kWepKeyCount> keyTexts;
  std::string preSharedKey;  // the field's UTF-8 bytes

  ~KeyEntryValues() {
    for (std::string& text : keyTexts) system::WipeString(text);
    system::WipeString(preSharedKey);
  }
};

// The alert message for the first problem found, or nothing when the keys can be used. Every
// such alert carries an empty informative text.
std::optional<std::string> FindKeyProblem(const KeyEntryValues& values);

}  // namespace netvane
