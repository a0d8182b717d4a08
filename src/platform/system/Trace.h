// Diagnostic lines on standard error.
#pragma once

#include <string_view>

namespace netvane::system {

// Writes the text as is (callers add the newline) and flushes.
void WriteStderr(std::string_view text);

// printf-style convenience for the trace lines that carry a value.
void WriteStderrF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The session-log lines some steps write whatever the debug flag (each task run, each record's
// release). A front end whose standard error carries errors only turns them off.
void WriteLogLine(std::string_view text);
void WriteLogLineF(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetLogLines(bool on);

}  // namespace netvane::system
