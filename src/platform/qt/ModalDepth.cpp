#include "platform/qt/ModalDepth.h"

namespace netvane::qt {

void ModalDepth::Block() {
  if (controls_ == nullptr) return;
  focus_ = controls_->window()->focusWidget();
  controls_->setEnabled(false);
}

void ModalDepth::Unblock() {
  if (controls_ == nullptr) return;
  controls_->setEnabled(true);
  if (focus_ != nullptr && focus_->isEnabled()) focus_->setFocus(Qt::OtherFocusReason);
  focus_ = nullptr;
}

}  // namespace netvane::qt
