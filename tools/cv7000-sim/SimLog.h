// The daemon's own lines on standard error: warnings always, debug lines with --verbose. Its
// own, because the driver services see nothing of Netvane but the driver's protocol.
#pragma once

#include <string_view>

namespace netvane::sim {

void SetSimVerbose(bool on);
bool SimVerbose();
void SimDebug(std::string_view line);
void SimWarning(std::string_view line);

}  // namespace netvane::sim
