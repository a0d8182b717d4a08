#include "gui/QtSheetRunner.h"

#include <QTimer>
#include <algorithm>

#include "gui/KeyFields.h"
#include "gui/QtWindow.h"

namespace netvane::gui {

int QtSheetRunner::Run(ui::Window& window) {
  auto* qtWindow = dynamic_cast<QtWindow*>(&window);
  if (qtWindow == nullptr) return ui::kModalCancel;
  QDialog* dialog = qtWindow->Dialog();
  // A dialog runs once at a time: a second exec would end the open run as if it were cancelled.
  if (std::find(running_.begin(), running_.end(), dialog) != running_.end()) {
    return ui::kModalCancel;
  }
  if (dialog->parentWidget() != main_) dialog->setParent(main_, Qt::Dialog);
  // A sheet belongs to its window: it blocks that window only and stays on top of it.
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setResult(ui::kModalCancel);
  // Its controller has filled it by now, so the fields that take input are known.
  FocusFirstTypingField(dialog);

  ModalDepth::Scope modal(depth_);
  running_.emplace_back(dialog);
  if (standIn_) {
    dialog->show();
    standIn_(*dialog);
    running_.pop_back();
    dialog->hide();
    return dialog->result();
  }
  if (onShown_) {
    QTimer::singleShot(0, dialog, [this, dialog] {
      if (onShown_) onShown_(*dialog);
    });
  }
  const int code = dialog->exec();
  running_.pop_back();
  dialog->hide();
  return code;
}

void QtSheetRunner::StopModal(int code) {
  if (running_.empty()) return;
  if (QDialog* top = running_.back().data(); top != nullptr) top->done(code);
}

}  // namespace netvane::gui
