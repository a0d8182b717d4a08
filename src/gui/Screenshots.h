// Writes a PNG of every page of the main window and of every dialog into a folder: the demo's
// record of what the window looks like on a machine without a display. The pages are taken
// with minutes of link history (the link status page ticked by hand, not waited for), and the
// dialogs as the site survey's clicks open them: the security sheet for a WPA-PSK network with
// a key typed, the hidden-network prompt, the profile editor filled from the joined network.
// No dialog runs a modal loop meanwhile and an alert is answered at once, so nothing waits for
// a person; every dialog is cancelled, so nothing is joined or saved.
#pragma once

#include <QString>
#include <functional>

namespace netvane::gui {

class CompositionRoot;

// Told each file's name (without ".png") as it is written, while what it shows is still shown.
using ScreenshotWatch = std::function<void(const QString& name)>;

// File names follow the pages ("site-survey.png", ...). False when a file cannot be written.
bool WriteScreenshots(CompositionRoot& root, const QString& folder,
                      const ScreenshotWatch& watch = {});

}  // namespace netvane::gui
