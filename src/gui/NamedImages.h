// The application's named images, drawn from the SVG files in the resources.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <string>

namespace netvane::gui {

// Makes the resources available; any number of calls, before any image or form is used.
void InitResources();

// An empty name, or one without a drawing, gives a null pixmap.
QPixmap NamedPixmap(const std::string& name, QSize size);
QIcon ApplicationIcon();

}  // namespace netvane::gui
