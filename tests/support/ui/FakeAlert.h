// Records every alert instead of showing it; `onShow` lets a test act while it is "up".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Alert.h"

namespace netvane::testing {

class FakeAlert : public ui::Alert {
 public:
  struct Shown {
    std::string message;
    std::string informativeText;
  };

  void Run(const std::string& message, const std::string& informativeText) override {
    shown.push_back({message, informativeText});
    if (onShow) onShow();
  }

  std::vector<Shown> shown;
  std::function<void()> onShow;
};

}  // namespace netvane::testing
