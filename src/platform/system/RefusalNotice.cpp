#include "platform/system/RefusalNotice.h"

#include <set>

#include "platform/system/Trace.h"

namespace netvane::system {

void ReportRefusedOnce(const std::string& path, const std::string& reason) {
  static std::set<std::string> reported;
  if (!reported.insert(path).second) return;
  WriteStderr("netvane: not using " + path + ": " + reason + "\n");
}

}  // namespace netvane::system
