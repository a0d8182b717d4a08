// Runs a window as a modal sheet on the main window. Run returns once the window's controller
// ends the run with StopModal; the sheet is then ended and the window hidden.
#pragma once

#include "ui/Window.h"

namespace netvane::ui {

constexpr int kModalCancel = 0;
constexpr int kModalOK = 1;

class SheetRunner {
 public:
  SheetRunner() = default;
  SheetRunner(const SheetRunner&) = delete;
  SheetRunner& operator=(const SheetRunner&) = delete;
  virtual ~SheetRunner() = default;

  // The code the run was ended with.
  virtual int Run(Window& window) = 0;
  // Ends the innermost active run with `code`.
  virtual void StopModal(int code) = 0;
};

}  // namespace netvane::ui
