#include "gui/KeyFields.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QPointer>
#include <QVariant>

namespace netvane::gui {
namespace {

const char* const kBoxProperty = "showKeyBox";

// Keeps a field's box as usable as the field is, and masks every key again as the dialog opens.
class KeyFieldWatcher : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange) {
      if (auto* field = qobject_cast<QLineEdit*>(watched); field != nullptr) {
        if (QCheckBox* box = ShowKeyBox(field); box != nullptr) box->setEnabled(field->isEnabled());
      }
    } else if (event->type() == QEvent::Show && watched == parent()) {
      for (QCheckBox* box : parent()->findChildren<QCheckBox*>()) {
        if (box->property(kBoxProperty).toBool()) box->setChecked(false);
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

// Puts `box` right after `field` wherever the form laid the field out: in the layout of the
// field's own parent (a group box or a tab page has its own), not only the dialog's.
void PlaceBeside(QLineEdit* field, QCheckBox* box) {
  auto* pair = new QWidget(field->parentWidget());
  auto* row = new QHBoxLayout(pair);
  row->setContentsMargins(0, 0, 0, 0);
  QLayout* layout = field->parentWidget()->layout();
  if (layout != nullptr) delete layout->replaceWidget(field, pair);
  row->addWidget(field, 1);
  row->addWidget(box);
}

}  // namespace

QCheckBox* ShowKeyBox(const QLineEdit* field) {
  return field->property(kBoxProperty).value<QCheckBox*>();
}

void MaskKeyFields(QDialog* dialog, std::initializer_list<QLineEdit*> fields) {
  auto* watcher = new KeyFieldWatcher(dialog);
  dialog->installEventFilter(watcher);
  for (QLineEdit* field : fields) {
    field->setEchoMode(QLineEdit::Password);
    auto* box =
        new QCheckBox(QCoreApplication::translate("KeyFields", "Show key"), field->parentWidget());
    box->setObjectName(field->objectName() + QStringLiteral("Show"));
    box->setAccessibleName(
        QCoreApplication::translate("KeyFields", "Show key for %1").arg(field->accessibleName()));
    box->setProperty(kBoxProperty, true);
    box->setEnabled(field->isEnabled());
    field->setProperty(kBoxProperty, QVariant::fromValue(box));
    PlaceBeside(field, box);
    QWidget::setTabOrder(field, box);
    QObject::connect(box, &QCheckBox::toggled, field, [field](bool shown) {
      field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
    field->installEventFilter(watcher);
  }
}

void FocusFirstTypingField(QDialog* dialog) {
  for (QWidget* w = dialog->nextInFocusChain(); w != nullptr && w != dialog;
       w = w->nextInFocusChain()) {
    auto* field = qobject_cast<QLineEdit*>(w);
    if (field == nullptr || field->isReadOnly() || !field->isEnabledTo(dialog) ||
        !field->isVisibleTo(dialog) || (field->focusPolicy() & Qt::TabFocus) == 0) {
      continue;
    }
    field->setFocus(Qt::OtherFocusReason);
    return;
  }
}

}  // namespace netvane::gui
