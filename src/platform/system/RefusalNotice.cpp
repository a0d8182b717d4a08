#include "platform/system/RefusalNotice.h"

#include <set>

#include "platform/system/Log.h"

namespace netvane::system {

void ReportRefusedOnce(const std::string& path, const std::string& reason) {
  static std::set<std::string> reported;
  if (!reported.insert(path).second) return;
  LogWarning(LogCategory::kRegistry, "netvane: not using " + path + ": " + reason);
}

}  // namespace netvane::system
