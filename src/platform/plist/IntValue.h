// Numbers kept as text in preference files, read the forgiving way hand-edited files need.
#pragma once

#include <cstdint>
#include <string_view>

namespace netvane::plist {

// Leading white space, an optional sign, then decimal digits up to the first other character;
// no digits read as 0. Values beyond the 32-bit range saturate.
int32_t IntValue(std::string_view text);

}  // namespace netvane::plist
