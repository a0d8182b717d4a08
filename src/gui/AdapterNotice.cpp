#include "gui/AdapterNotice.h"

#include <cstddef>
#include <utility>

namespace netvane::gui {

AdapterNotice::AdapterNotice(QLabel* line, std::vector<QWidget*> driverActions)
    : line_(line), actions_(std::move(driverActions)) {
  for (const QWidget* action : actions_) descriptions_.push_back(action->accessibleDescription());
  line_->setWordWrap(true);
  line_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Reachable by Tab (after the flags, which set their own), so a screen reader user hears it.
  line_->setFocusPolicy(Qt::TabFocus);
  line_->hide();
}

void AdapterNotice::Show(bool present, const std::string& refusal) {
  const QString text =
      refusal.empty()
          ? QCoreApplication::translate("AdapterNotice", kNoAdapter)
          : QCoreApplication::translate("AdapterNotice", "Netvane cannot look for the adapter. %1")
                .arg(QString::fromStdString(refusal));
  line_->setText(present ? QString() : text);
  line_->setAccessibleName(present ? QString() : text);
  line_->setVisible(!present);
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    actions_[i]->setEnabled(present);
    actions_[i]->setAccessibleDescription(
        present ? descriptions_[i] : QCoreApplication::translate("AdapterNotice", kUnavailable));
  }
}

}  // namespace netvane::gui
