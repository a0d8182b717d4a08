// Records every alert instead of showing it.
#pragma once

#include <string>
#include <vector>

#include "ui/Alert.h"

namespace netvane::testing {

class FakeAlert : public ui::Alert {
 public:
  struct Shown {
    std::string message;
    std::string informativeText;
  };

  void Run(const std::string& message, const std::string& informativeText) override {
    shown.push_back({message, informativeText});
  }

  std::vector<Shown> shown;
};

}  // namespace netvane::testing
