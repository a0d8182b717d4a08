// Runs dialogs modally over the main window and returns the code their controller ended the
// run with. Closing a dialog by its window frame or Escape counts as Cancel (code 0). A dialog
// that is running already is not run again: that call returns Cancel and the open run goes on.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "gui/ModalDepth.h"
#include "ui/SheetRunner.h"

namespace netvane::gui {

class QtSheetRunner : public ui::SheetRunner {
 public:
  QtSheetRunner(QWidget* mainWindow, ModalDepth& depth) : main_(mainWindow), depth_(depth) {}

  int Run(ui::Window& window) override;
  void StopModal(int code) override;

  // Called once each run is under way, inside its modal loop (for tests and screenshots).
  void SetOnShown(std::function<void(QDialog&)> onShown) { onShown_ = std::move(onShown); }
  // Screenshots: a run shows the dialog without a modal loop and hands it to `standIn`, which
  // ends it as a person would (or leaves it to end as Cancel); nothing blocks. Empty: modal runs.
  void SetStandIn(std::function<void(QDialog&)> standIn) { standIn_ = std::move(standIn); }

 private:
  QWidget* main_;
  ModalDepth& depth_;
  std::vector<QPointer<QDialog>> running_;
  std::function<void(QDialog&)> onShown_;
  std::function<void(QDialog&)> standIn_;
};

}  // namespace netvane::gui
