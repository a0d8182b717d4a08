// Runs sheets by script: each Run records the window, performs the next scripted step (which
// may end the run through StopModal, as a controller would) and returns the code.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/SheetRunner.h"

namespace netvane::testing {

class FakeSheetRunner : public ui::SheetRunner {
 public:
  struct Step {
    std::function<void()> whileShown;  // e.g. fill fields and call the controller's OnOK
    int codeIfNotStopped = ui::kModalCancel;
  };

  // Queues an answer: the code of a run that the step does not end itself.
  void Answer(int code) { script.push_back({nullptr, code}); }
  void Then(std::function<void()> whileShown, int codeIfNotStopped = ui::kModalCancel) {
    script.push_back({std::move(whileShown), codeIfNotStopped});
  }

  int Run(ui::Window& window) override;
  void StopModal(int code) override;

  std::vector<std::string> shown;  // window names, in order
  std::deque<Step> script;

 private:
  std::vector<std::optional<int>> stopped_;
};

}  // namespace netvane::testing
