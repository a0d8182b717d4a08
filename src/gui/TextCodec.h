// Text between the pages' byte strings and Qt. The pages count bytes (an SSID is up to 32 of
// any value, keys are byte strings), so this is the one place that decides what the user sees
// and what typed text becomes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace netvane::gui {

// Bytes that are valid UTF-8 show as UTF-8; any other byte string shows one character per byte
// (Latin-1), so a name in a legacy encoding stays visible rather than turning into
// replacement marks.
QString ToQt(std::string_view bytes);

// A name within one line of words (a tooltip, a notification): as ToQt shows it, with the
// controls, bidi controls and separators escaped (`\u202E`), so it can neither reorder nor
// break the words around it.
QString ToQtLine(std::string_view bytes);

// Typed text becomes its UTF-8 bytes; the checks downstream count those bytes.
std::string ToStd(const QString& text);

// What an edited value stands for: `shown` itself when the text is still what ToQt made of
// it, else the text's UTF-8. Latin-1 shown bytes do not survive a UTF-8 round trip, so a
// choice or cell the user merely kept must hand back its own bytes.
std::string EditedBytes(const QString& text, std::string_view shown);

}  // namespace netvane::gui
