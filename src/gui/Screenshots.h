// Writes a PNG of every page of the main window and of every dialog into a folder: the demo's
// record of what the window looks like on a machine without a display.
#pragma once

#include <QString>

namespace netvane::gui {

class CompositionRoot;

// File names follow the pages ("site-survey.png", ...). False when a file cannot be written.
bool WriteScreenshots(CompositionRoot& root, const QString& folder);

}  // namespace netvane::gui
