#include "gui/QtAlert.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "gui/TextCodec.h"

namespace netvane::gui {

void QtAlert::Run(const std::string& message, const std::string& informativeText) {
  QMessageBox box(parent_);
  box.setObjectName(QStringLiteral("Alert"));
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(QCoreApplication::translate("Alert", "Netvane"));
  // A message may carry a network's name, which must not be read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQt(message));
  box.setInformativeText(ToQt(informativeText));
  QPushButton* ok =
      box.addButton(QCoreApplication::translate("Alert", "OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);

  ModalDepth::Scope modal(depth_);
  if (onShown_) {
    QTimer::singleShot(0, &box, [this, &box] {
      if (onShown_) onShown_(box);
    });
  }
  box.exec();
}

}  // namespace netvane::gui
