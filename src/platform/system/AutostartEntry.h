// Netvane's entry in the desktop's autostart folder ($XDG_CONFIG_HOME/autostart), which starts
// it in the background at login so the active profile is applied and the tray is there. Off
// until the person turns it on.
#pragma once

#include <string>

namespace netvane::system {

std::string AutostartEntryPath();

// Whether the entry is there and not switched off (a desktop's own settings write
// Hidden=true or X-GNOME-Autostart-enabled=false rather than removing it).
bool AutostartOn();

// Writes the entry, starting `program` with --background, or removes it. False, with `reason`
// set, when that cannot be done; nothing half-written is left.
bool SetAutostart(bool on, const std::string& program, std::string& reason);

// The entry's text: `program` quoted as an Exec key needs it.
std::string AutostartEntryText(const std::string& program);

}  // namespace netvane::system
