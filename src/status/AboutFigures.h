// The about page's texts from the driver's answers (shared with a second front end).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver/Records.h"
#include "driver/ScanList.h"

namespace netvane {

inline constexpr const char* kNetvaneVersion = "1.0.0.0";
// The maker's web site, opened by the about page's button.
inline constexpr const char* kCorvaneWebSite = "https://www.corvane.example/";

// "major.minor" from bytes 2 and 3 of the EEPROM version word (bytes 0 and 1 are not shown).
std::string EepromVersionText(const std::array<uint8_t, 4>& word);

}  // namespace netvane
