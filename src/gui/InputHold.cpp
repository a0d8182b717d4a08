#include "gui/InputHold.h"

#include <QCoreApplication>
#include <QEvent>

namespace netvane::gui {

InputHold::InputHold() {
  QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() {
  QCoreApplication::instance()->removeEventFilter(this);
  // Posted, not sent: they run after whatever the wait was for, as if they had just arrived.
  for (auto& [receiver, event] : held_) {
    if (receiver != nullptr) QCoreApplication::postEvent(receiver.data(), event.release());
  }
}

bool InputHold::IsUserInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event) {
  if (!IsUserInput(*event)) return false;
  held_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
  return true;
}

}  // namespace netvane::gui
