#include "status/AboutFigures.h"

#include <cstdio>

namespace netvane {

std::string EepromVersionText(const std::array<uint8_t, 4>& word) {
  return std::to_string(word[2]) + "." + std::to_string(word[3]);
}

}  // namespace netvane
