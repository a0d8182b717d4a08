// How byte strings become XML text in the preference files, and back (docs/preferences.md).
// Text that is clean UTF-8 is written as it is, so names stay readable in an editor. Anything
// else is written one character per byte: printable ASCII as itself, every other byte b as the
// private-use character U+F700 + b, which XML carries and no reader mistakes for markup.
// Reading maps U+F700..U+F7FF back to single bytes and everything else to its UTF-8 bytes, so
// both forms read back exactly.
#pragma once

#include <string>
#include <string_view>

namespace netvane::plist {

// Valid UTF-8 with no control characters, no characters XML cannot hold and none of the
// private-use characters the byte form uses.
bool IsPlainText(std::string_view bytes);

// Text an XML file can hold as it is: plain text, the byte form, tabs and line feeds.
bool IsXmlText(std::string_view bytes);

// The plain text itself when it is plain, else the byte form.
std::string StoredText(std::string_view bytes);

// Always the byte form: one character per byte.
std::string StoredKeyText(std::string_view bytes);

// Appends the UTF-8 form of a code point (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// The bytes a stored text stands for. Never fails: bytes that are not UTF-8 pass through.
std::string BytesFromStoredText(std::string_view text);

}  // namespace netvane::plist
