#include "platform/system/Consistency.h"

#include "platform/system/Trace.h"

namespace netvane::platform {

void ReportConsistencyFailure(std::source_location where) {
  WriteStderrF("*** %s:%u: Invalid parameter not satisfying: %s\n", where.file_name(),
               static_cast<unsigned>(where.line()), "FALSE");
}

}  // namespace netvane::platform
