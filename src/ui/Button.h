// A push button whose title a page may change.
#pragma once

#include <string>

#include "ui/Control.h"

namespace netvane::ui {

class Button : public Control {
 public:
  virtual std::string Title() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
};

}  // namespace netvane::ui
