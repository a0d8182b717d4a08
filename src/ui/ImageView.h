// Shows one of the application's named images; an empty name shows nothing.
#pragma once

#include <string>

#include "ui/Control.h"

namespace netvane::ui {

class ImageView : public Control {
 public:
  virtual void ShowImage(const std::string& name) = 0;
  virtual std::string ImageName() const = 0;
};

}  // namespace netvane::ui
