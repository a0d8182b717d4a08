// Key and pass-phrase fields are masked, each with a "Show key" check box beside it (next in
// the tab order, named after its field) for checking what was typed. Every time the dialog is
// shown again the keys are masked again. A masked field's accessible value is Qt's: a star per
// character, and no text through the text interface, so the key never reaches a screen reader.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <initializer_list>

namespace netvane::gui {

void MaskKeyFields(QDialog* dialog, std::initializer_list<QLineEdit*> fields);

// The check box that shows `field`'s key, or null when it has none.
QCheckBox* ShowKeyBox(const QLineEdit* field);

// The first field a person types into, in the dialog's tab order, takes the focus: with a sheet
// just opened, what is typed at once goes there.
void FocusFirstTypingField(QDialog* dialog);

}  // namespace netvane::gui
