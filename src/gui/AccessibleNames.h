// Accessible names that Qt's own interfaces would not pass on.
#pragma once

#include <QWidget>

namespace netvane::gui {

// On Linux Qt reports a combo box's current entry as its accessible name, and a screen reader
// names the box after the label whose buddy it is. A combo box that no label names (the WEP key
// types) would be heard by its entry alone, so its name becomes its description as well.
void DescribeUnlabelledChoices(QWidget* form);

}  // namespace netvane::gui
