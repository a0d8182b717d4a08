// The window's command line. --help and --version are answered before any window-system
// connection is made, so they work without a display.
#pragma once

#include <QStringList>
#include <optional>

namespace netvane::gui {

struct WindowOptions {
  // --verbose: the debug lines are written as well as warnings and errors.
  bool verbose = false;
  // --screenshots DIR: write a PNG of every page and dialog to DIR after start-up, then exit.
  QString screenshots;
  // --background: start in the tray with the window hidden (as at login), when there is a tray.
  bool background = false;
};

// Answers --help and --version on standard output and returns the exit status (0); returns
// nothing when the window is to start. Anything else wrong with the command line waits for
// ReadWindowOptions: until the window system has taken its own options, they are not known.
std::optional<int> AnswerWithoutWindow(const QStringList& arguments);

// The options of a window that starts, from the arguments left after the window system's own;
// a malformed command line is reported on standard error with exit status 2.
struct WindowCommandLine {
  WindowOptions options;
  std::optional<int> exitStatus;
};
WindowCommandLine ReadWindowOptions(const QStringList& arguments);

}  // namespace netvane::gui
