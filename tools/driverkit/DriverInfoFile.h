// Info.plist beside the instance sockets: shared by every instance in one registry folder.
#pragma once

#include <string>
#include <string_view>

#include "driverkit/DriverInfo.h"

namespace netvane::driverkit {

// Writes `<dir>/Info.plist` whole (mode 0644, replaced atomically) and dates it at local noon
// of the driver's date. False, with `error` set, when it cannot be.
bool WriteDriverInfo(const std::string& dir, std::string_view driverVersion, const Date& date,
                     std::string& error);
// Removes it unless another instance's socket is still in `dir`.
void RemoveDriverInfo(const std::string& dir);

}  // namespace netvane::driverkit
