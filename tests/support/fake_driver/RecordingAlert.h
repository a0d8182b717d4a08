// An alert that records what it was asked to show and returns at once.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Alert.h"

namespace netvane::testing {

class RecordingAlert final : public ui::Alert {
 public:
  void Run(const std::string& message, const std::string& informativeText) override {
    shown.emplace_back(message, informativeText);
  }
  std::vector<std::pair<std::string, std::string>> shown;
};

}  // namespace netvane::testing
