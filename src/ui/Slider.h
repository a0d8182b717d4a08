// A slider with an integer position.
#pragma once

#include "ui/Control.h"

namespace netvane::ui {

class Slider : public Control {
 public:
  virtual int Value() const = 0;
  virtual void SetValue(int value) = 0;
};

}  // namespace netvane::ui
