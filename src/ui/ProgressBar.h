// A determinate progress bar showing 0 to 100.
#pragma once

#include "ui/Control.h"

namespace netvane::ui {

class ProgressBar : public Control {
 public:
  // Values outside 0..100 are clamped.
  virtual void SetValue(double value) = 0;
  virtual double Value() const = 0;
};

}  // namespace netvane::ui
