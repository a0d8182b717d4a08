// The named images the pages show, and what each says in words: a picture alone tells a screen
// reader nothing, so the words go into the accessible text of whatever shows it.
#pragma once

#include <string_view>

namespace netvane::ui {

inline constexpr const char* kImageHandshake = "HANDSHAK";
inline constexpr const char* kImageCheckMark = "CHECKMRK";
inline constexpr const char* kImageUncheckMark = "UNCHECKMRK";
inline constexpr const char* kImageRadioOn = "RADIOON";
inline constexpr const char* kImageRadioOff = "RADIOOFF";

// Empty for no image or an unknown one.
constexpr std::string_view ImageText(std::string_view name) {
  if (name == kImageHandshake) return "Connected";
  if (name == kImageCheckMark) return "Active";
  if (name == kImageUncheckMark) return "Not active";
  if (name == kImageRadioOn) return "Radio on";
  if (name == kImageRadioOff) return "Radio off";
  return {};
}

}  // namespace netvane::ui
