#include "status/AboutFigures.h"

#include <cstdio>

namespace netvane {

std::string EepromVersionText(const std::array<uint8_t, 4>& word) {
  return std::to_string(word[2]) + "." + std::to_string(word[3]);
}

std::string MacAddressText(const std::array<uint8_t, kMacLength>& mac) {
  char text[3 * kMacLength];
  std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3],
                mac[4], mac[5]);
  return text;
}

}  // namespace netvane
