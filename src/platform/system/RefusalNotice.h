// One line on standard error for a folder or socket Netvane will not use. The driver is looked
// for every two seconds and the reason rarely goes away by itself, so each path is reported
// once per process.
#pragma once

#include <string>

namespace netvane::system {

// Writes "netvane: not using <path>: <reason>" the first time `path` is refused.
void ReportRefusedOnce(const std::string& path, const std::string& reason);

}  // namespace netvane::system
