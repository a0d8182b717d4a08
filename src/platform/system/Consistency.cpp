#include "platform/system/Consistency.h"

#include "platform/system/Trace.h"

namespace netvane::system {

void ReportConsistencyFailure(const char* file, int line) {
  WriteStderrF("*** %s:%d: Invalid parameter not satisfying: %s\n", file, line, "FALSE");
}

}  // namespace netvane::system
