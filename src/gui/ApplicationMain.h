// The application entry: builds the window, starts it up and runs the event loop.
#pragma once

namespace netvane::gui {

// Returns the process exit status. There are no user-facing options; "--screenshots DIR" is a
// hidden option for the demo: write a PNG of every page to DIR after start-up and exit.
int ApplicationMain(int argc, char** argv);

}  // namespace netvane::gui
