// The advanced page: wireless mode, rates, protection, burst and the radio switch. For now it
// shows the radio state; the settings come with the advanced settings issue.
#pragma once

#include "app/ShellPages.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"

namespace netvane {

class CV7000Access;

class AdvancePageController : public AdvanceShellPage {
 public:
  AdvancePageController(CV7000Access& adapter, ui::Button& radio, ui::ImageView& radioSwitchPic);

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void RadioStatus() override;

 private:
  // NOLINTBEGIN(readability-identifier-naming) the wiring names of the window layout
  [[maybe_unused]] CV7000Access& Adapter;
  ui::Button& Radio;
  ui::ImageView& RadioSwitchPic;
  // NOLINTEND(readability-identifier-naming)
};

}  // namespace netvane
