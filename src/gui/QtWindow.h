// A dialog that a page runs as a sheet.
#pragma once

#include <QDialog>

#include "gui/TextCodec.h"
#include "ui/Window.h"

namespace netvane::gui {

class QtWindow : public ui::Window {
 public:
  explicit QtWindow(QDialog* dialog) : dialog_(dialog) {}
  void Update() override { dialog_->update(); }
  std::string Name() const override { return ToStd(dialog_->objectName()); }
  QDialog* Dialog() const { return dialog_; }

 private:
  QDialog* dialog_;
};

}  // namespace netvane::gui
