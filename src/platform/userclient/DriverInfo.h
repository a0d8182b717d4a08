// What the driver publishes about itself beside its services: a property list with its version
// under "CFBundleShortVersionString", whose modification date is the driver's date.
#pragma once

#include <string>

namespace netvane::userclient {

struct DriverInfo {
  std::string version;  // "" when the list or the key is missing
  std::string date;     // YYYY-MM-DD, "" when the file is missing
};

// Read from <registry root>/services/CardBusWirelessDriver/Info.plist, under the same rules as
// the services themselves: a folder that is not private is not read.
DriverInfo ReadDriverInfo();

}  // namespace netvane::userclient
