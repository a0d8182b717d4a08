// A modal alert over the main window: a message, an informative text and one "OK".
#pragma once

#include <QMessageBox>
#include <QWidget>
#include <functional>

#include "gui/ModalDepth.h"
#include "ui/Alert.h"

namespace netvane::gui {

class QtAlert : public ui::Alert {
 public:
  QtAlert(QWidget* parent, ModalDepth& depth) : parent_(parent), depth_(depth) {}

  void Run(const std::string& message, const std::string& informativeText) override;

  // Called inside the alert's modal loop (for tests): the test dismisses the box.
  void SetOnShown(std::function<void(QMessageBox&)> onShown) { onShown_ = std::move(onShown); }

 private:
  QWidget* parent_;
  ModalDepth& depth_;
  std::function<void(QMessageBox&)> onShown_;
};

}  // namespace netvane::gui
