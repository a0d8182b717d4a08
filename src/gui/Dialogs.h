// The dialogs the pages run as sheets, each laid out from its own form.
#pragma once

#include <QDialog>

#include "gui/AccessibleNames.h"
#include "ui_HiddenSSIDPrompt.h"
#include "ui_ProfileEditor.h"
#include "ui_SecuritySheet.h"

namespace netvane::gui {

template <typename Form>
class FormDialog : public QDialog {
 public:
  explicit FormDialog(QWidget* parent) : QDialog(parent) {
    form.setupUi(this);
    DescribeUnlabelledChoices(this);
    // The controller ends the run; Escape still means Cancel.
    setSizeGripEnabled(false);
  }
  Form form;
};

using SecuritySheetDialog = FormDialog<Ui::SecuritySheet>;
using HiddenSSIDDialog = FormDialog<Ui::HiddenSSIDPrompt>;
using ProfileEditorDialog = FormDialog<Ui::ProfileEditor>;

}  // namespace netvane::gui
