#include "platform/system/Consistency.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace netvane::system {

void ReportConsistencyFailure(LogCategory category, const char* format, ...) {
  if (!LogEnabled(category, LogLevel::kError)) return;
  va_list args;
  va_start(args, format);
  char what[256];
  std::vsnprintf(what, sizeof what, format, args);
  va_end(args);
  Log(category, LogLevel::kError, std::string("netvane: inconsistent state: ") + what);
}

}  // namespace netvane::system
