#include "platform/system/Trace.h"

#include <cstdarg>
#include <cstdio>

namespace netvane::system {
namespace {

bool logLines = true;

}  // namespace

void WriteStderr(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void WriteStderrF(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
  va_end(args);
  std::fflush(stderr);
}

void WriteLogLine(std::string_view text) {
  if (logLines) WriteStderr(text);
}

void WriteLogLineF(const char* format, ...) {
  if (!logLines) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
  va_end(args);
  std::fflush(stderr);
}

void SetLogLines(bool on) {
  logLines = on;
}

}  // namespace netvane::system
