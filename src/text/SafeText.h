// Names are bytes from the air or from a file: any of them may hold escape sequences that drive
// a terminal, characters that reorder a line (bidi controls) or start a new one (line and
// paragraph separators, C0 and C1 controls), a zero byte, or bytes that are not UTF-8. One
// function for each kind of reader, so a name can neither act on it nor pass for other text.
#pragma once

#include <string>
#include <string_view>

namespace netvane::text {

// A name for a line a person reads (a terminal, the event log). Valid UTF-8 stays as it is,
// except: a control byte (C0, DEL) and a byte that is not UTF-8 become `\xNN`; a C1 control,
// a bidi control or a line or paragraph separator becomes `\uNNNN`; and a backslash becomes
// `\\`, so a name holding the characters `\x1B` never looks like an escaped byte.
std::string EscapedText(std::string_view bytes);

// A line of text that has been escaped already (an event log line), shown again: the same as
// EscapedText except that a backslash stays, so a line EscapedText made is shown unchanged and
// a line from an older or hand-edited file still cannot break or reorder itself.
std::string ShownLine(std::string_view line);

// Serialised JSON (UTF-8) for a reader that may be a person at a terminal: C1 controls, bidi
// controls, the separators and DEL inside strings become `\u` escapes (JSON's structure is
// ASCII, so they occur only inside strings) and a byte that is not UTF-8 becomes `\ufffd`.
// What JSON itself requires escaped the serialiser has escaped already.
std::string JsonSafe(std::string_view json);

}  // namespace netvane::text
