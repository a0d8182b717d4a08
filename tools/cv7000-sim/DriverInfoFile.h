// Info.plist beside the instance sockets: shared by every instance in one registry folder.
#pragma once

#include <string>

#include "core/Scenario.h"

namespace netvane::sim {

// Writes `<dir>/Info.plist` whole (mode 0644, replaced atomically) and dates it at local noon
// of the driver's date. False, with `error` set, when it cannot be.
bool WriteDriverInfo(const std::string& dir, const Card& card, std::string& error);
// Removes it unless another instance's socket is still in `dir`.
void RemoveDriverInfo(const std::string& dir);

}  // namespace netvane::sim
