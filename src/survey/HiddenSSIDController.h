// The prompt for the name of a network that hides it. Cancel ends its modal run with code 0; the rest of the
// dialog's behaviour comes with the connect flow.
#pragma once

#include "platform/ui/SheetRunner.h"

namespace netvane {

class HiddenSSIDController {
 public:
  explicit HiddenSSIDController(ui::SheetRunner& sheets) : sheets_(sheets) {}
  HiddenSSIDController(const HiddenSSIDController&) = delete;
  HiddenSSIDController& operator=(const HiddenSSIDController&) = delete;

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnCANCEL() { sheets_.StopModal(ui::kModalCancel); }

 private:
  ui::SheetRunner& sheets_;
};

}  // namespace netvane
