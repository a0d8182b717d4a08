// A driver service's own lines on standard error, each starting with the program's name:
// warnings always, debug lines with --verbose. Its own, because the driver services see nothing
// of Netvane but the driver's protocol.
#pragma once

#include <string_view>

namespace netvane::driverkit {

// Called once by main, before any line is written.
void SetServiceLog(std::string_view programName, bool verbose);
bool ServiceVerbose();
void ServiceDebug(std::string_view line);
void ServiceWarning(std::string_view line);

}  // namespace netvane::driverkit
