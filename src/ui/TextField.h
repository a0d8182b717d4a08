// An editable or display-only line of text.
#pragma once

#include <string>

#include "ui/Control.h"

namespace netvane::ui {

class TextField : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace netvane::ui
