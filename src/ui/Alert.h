// A modal alert: message, informative text, one "OK" button; Run returns once it is dismissed.
#pragma once

#include <string>

namespace netvane::ui {

class Alert {
 public:
  Alert() = default;
  Alert(const Alert&) = delete;
  Alert& operator=(const Alert&) = delete;
  virtual ~Alert() = default;

  virtual void Run(const std::string& message, const std::string& informativeText) = 0;
};

}  // namespace netvane::ui
