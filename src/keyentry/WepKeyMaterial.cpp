#include "keyentry/WepKeyMaterial.h"

#include <algorithm>

#include "crypto/MathFunc.h"
#include "keyentry/KeyValidation.h"

namespace netvane {

WepKeyMaterial ConvertWepKey(const std::string& text, int32_t keyType) {
  // The material buffer keeps one byte for a terminator.
  constexpr std::size_t kLongestKey = kWepMaterialLength - 1;
  WepKeyMaterial key;
  auto length = static_cast<uint8_t>(text.size() % 256);
  if (length == 0) return key;
  if (keyType == kKeyTypeHex) length = static_cast<uint8_t>(length / 2);
  length = static_cast<uint8_t>(std::min<std::size_t>(length, kLongestKey));
  if (keyType == kKeyTypeHex) {
    crypto::AtoH(text.data(), key.bytes.data(), length);
  } else {
    std::copy_n(text.begin(), length, key.bytes.begin());
  }
  key.length = length;
  return key;
}

}  // namespace netvane
