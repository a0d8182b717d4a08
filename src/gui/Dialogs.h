// The dialogs the pages run as sheets, each laid out from its own form.
#pragma once

#include <QDialog>

#include "gui/AccessibleNames.h"
#include "gui/KeyFields.h"
#include "ui_HiddenSSIDPrompt.h"
#include "ui_ProfileEditor.h"
#include "ui_SecuritySheet.h"

namespace netvane::gui {

// The fields of each form that take a key or a pass phrase.
inline void MaskKeyFieldsOf(QDialog* dialog, Ui::SecuritySheet& f) {
  MaskKeyFields(dialog,
                {f.WPAPreSharedKey, f.WEPKey1Text, f.WEPKey2Text, f.WEPKey3Text, f.WEPKey4Text});
}
inline void MaskKeyFieldsOf(QDialog* dialog, Ui::ProfileEditor& f) {
  MaskKeyFields(dialog,
                {f.WPAPreSharedKey, f.WEPKey1Text, f.WEPKey2Text, f.WEPKey3Text, f.WEPKey4Text});
}
inline void MaskKeyFieldsOf(QDialog* /*dialog*/, Ui::HiddenSSIDPrompt& /*form*/) {}

template <typename Form>
class FormDialog : public QDialog {
 public:
  explicit FormDialog(QWidget* parent) : QDialog(parent) {
    form.setupUi(this);
    DescribeUnlabelledChoices(this);
    MaskKeyFieldsOf(this, form);
    // The controller ends the run; Escape still means Cancel.
    setSizeGripEnabled(false);
  }
  Form form;
};

using SecuritySheetDialog = FormDialog<Ui::SecuritySheet>;
using HiddenSSIDDialog = FormDialog<Ui::HiddenSSIDPrompt>;
using ProfileEditorDialog = FormDialog<Ui::ProfileEditor>;

}  // namespace netvane::gui
