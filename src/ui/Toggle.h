// A check box or a radio button. Radio buttons of one group keep exactly one on: turning one on
// turns the others off.
#pragma once

#include "ui/Control.h"

namespace netvane::ui {

class Toggle : public Control {
 public:
  virtual bool State() const = 0;
  virtual void SetState(bool on) = 0;
};

}  // namespace netvane::ui
