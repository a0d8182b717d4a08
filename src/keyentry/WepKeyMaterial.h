// A typed WEP key turned into its bytes, the same way by both dialogs that take keys.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system/Wipe.h"

namespace netvane {

constexpr std::size_t kWepMaterialLength = 14;  // the longest key, 13 bytes, and a terminator

// Key bytes here and below wipe themselves when released, in every copy.
struct WepKeyMaterial {
  uint8_t length = 0;  // 0, 5 or 13 after validation
  system::SecretArray<kWepMaterialLength> bytes;
};

// Hexadecimal digits become their bytes, ASCII text its characters. A key that passed
// validation is 5 or 13 bytes; one that was not validated (its field was not in use) is still
// cut to the buffer.
WepKeyMaterial ConvertWepKey(const std::string& text, int32_t keyType);

}  // namespace netvane
