// The window's log lines go through the toolkit's logging categories (netvane.driver,
// netvane.shell, ...), so QT_LOGGING_RULES turns each on or off; by default a category shows
// warnings and errors only, and --verbose shows everything.
#pragma once

namespace netvane::gui {

// Installs the sink for the rest of the process. Call once, after the verbose setting is made.
void InstallQtLogSink();

}  // namespace netvane::gui
