#include "gui/QtBusyIndicator.h"

#include <QApplication>
#include <QCursor>

namespace netvane::gui {

void QtBusyIndicator::Begin() {
  if (depth_++ == 0) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtBusyIndicator::End() {
  if (depth_ == 0) return;
  if (--depth_ == 0) QApplication::restoreOverrideCursor();
}

}  // namespace netvane::gui
