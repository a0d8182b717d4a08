// Diagnostic lines on standard error.
#pragma once

#include <string_view>

namespace netvane::platform {

// Writes the text as is (callers add the newline) and flushes.
void WriteStderr(std::string_view text);

// printf-style convenience for the trace lines that carry a value.
void WriteStderrF(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace netvane::platform
