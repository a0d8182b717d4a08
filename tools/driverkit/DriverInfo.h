// The property list the driver publishes beside its sockets: its identifier and version, with
// the driver's date as the file's modification time.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netvane::driverkit {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

// A calendar date written "YYYY-MM-DD" (years 1970-9999); empty for anything else.
std::optional<Date> ParseDate(std::string_view text);

// The whole file, XML property list of one dictionary.
std::string DriverInfoPlist(std::string_view driverVersion);

}  // namespace netvane::driverkit
