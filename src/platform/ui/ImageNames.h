// The named images the pages show.
#pragma once

namespace netvane::ui {

inline constexpr const char* kImageHandshake = "HANDSHAK";
inline constexpr const char* kImageCheckMark = "CHECKMRK";
inline constexpr const char* kImageUncheckMark = "UNCHECKMRK";
inline constexpr const char* kImageRadioOn = "RADIOON";
inline constexpr const char* kImageRadioOff = "RADIOOFF";

}  // namespace netvane::ui
