#include "support/ui/FakeSheetRunner.h"

namespace netvane::testing {

int FakeSheetRunner::Run(ui::Window& window) {
  shown.push_back(window.Name());
  Step step;
  if (!script.empty()) {
    step = std::move(script.front());
    script.pop_front();
  }
  stopped_.emplace_back();
  if (step.whileShown) step.whileShown();
  const std::optional<int> stoppedWith = stopped_.back();
  stopped_.pop_back();
  return stoppedWith.value_or(step.codeIfNotStopped);
}

void FakeSheetRunner::StopModal(int code) {
  // Only the innermost run can be ended; a stop without a run is ignored, as a real modal
  // session would ignore it.
  if (!stopped_.empty() && !stopped_.back()) stopped_.back() = code;
}

}  // namespace netvane::testing
