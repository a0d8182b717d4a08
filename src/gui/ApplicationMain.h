// The application entry: answers --help and --version, or builds the window, starts it up and
// runs the event loop (options in CommandLine.h).
#pragma once

namespace netvane::gui {

// Returns the process exit status.
int ApplicationMain(int argc, char** argv);

}  // namespace netvane::gui
