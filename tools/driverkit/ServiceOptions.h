// Checks of the command-line values every driver service takes alike.
#pragma once

#include <string>

namespace netvane::driverkit {

// --connection-timeout-ms: whole milliseconds, 1 to 600000. Empty when `text` is one, else
// the message to show.
std::string CheckConnectionTimeoutMs(const std::string& text);

}  // namespace netvane::driverkit
