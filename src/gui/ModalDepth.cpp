#include "gui/ModalDepth.h"

namespace netvane::gui {

// Plain pointers taken once from the guarded ones: each read of a QPointer may be null.
void ModalDepth::Block() {
  QWidget* controls = controls_.data();
  if (controls == nullptr) return;
  focus_ = controls->window()->focusWidget();
  controls->setEnabled(false);
}

void ModalDepth::Unblock() {
  QWidget* controls = controls_.data();
  QWidget* focus = focus_.data();
  focus_ = nullptr;
  if (controls == nullptr) return;
  controls->setEnabled(true);
  if (focus != nullptr && focus->isEnabled()) focus->setFocus(Qt::OtherFocusReason);
}

}  // namespace netvane::gui
