// How many modal runs (sheets, the editor, alerts) are active. Qt delivers timer events inside
// a dialog's nested event loop; the repeating timers consult this to drop such ticks.
//
// A window-modal sheet blocks the mouse and the keyboard on the main window, but not assistive
// tools or programmatic clicks: those could start a second run of the open sheet. So while any
// run is active the main window's controls are disabled, as every user and tool sees them.
#pragma once

#include <QPointer>
#include <QWidget>

namespace netvane::gui {

class ModalDepth {
 public:
  bool Active() const { return depth_ > 0; }
  int Depth() const { return depth_; }

  // `controls` is disabled from the start of the first run to the end of the last one; a
  // control disabled on its own stays so.
  void DisableWhileActive(QWidget* controls) { controls_ = controls; }

  class Scope {
   public:
    explicit Scope(ModalDepth& depth) : depth_(depth) {
      if (depth_.depth_++ == 0) depth_.Block();
    }
    ~Scope() {
      if (--depth_.depth_ == 0) depth_.Unblock();
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ModalDepth& depth_;
  };

 private:
  void Block();
  void Unblock();

  int depth_ = 0;
  QPointer<QWidget> controls_;
  // Disabling drops the keyboard focus; it goes back where it was once the run ends.
  QPointer<QWidget> focus_;
};

}  // namespace netvane::gui
