// The named images the pages show, and what each says in words: a picture alone tells a screen
// reader nothing, so the words go into the accessible text of whatever shows it.
#pragma once

#include <string>
#include <string_view>

#include "text/Translate.h"

namespace netvane::ui {

inline constexpr const char* kImageHandshake = "HANDSHAK";
inline constexpr const char* kImageCheckMark = "CHECKMRK";
inline constexpr const char* kImageUncheckMark = "UNCHECKMRK";
inline constexpr const char* kImageRadioOn = "RADIOON";
inline constexpr const char* kImageRadioOff = "RADIOOFF";

// What the image says, in the person's language, for the accessible text a screen reader
// speaks; empty for no image or an unknown one.
inline std::string ImageWords(std::string_view name) {
  if (name == kImageHandshake) return text::Tr("ImageNames", "Connected");
  if (name == kImageCheckMark) return text::Tr("ImageNames", "Active");
  if (name == kImageUncheckMark) return text::Tr("ImageNames", "Not active");
  if (name == kImageRadioOn) return text::Tr("ImageNames", "Radio on");
  if (name == kImageRadioOff) return text::Tr("ImageNames", "Radio off");
  return {};
}

}  // namespace netvane::ui
