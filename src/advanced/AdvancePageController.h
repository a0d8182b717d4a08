// The advanced page: wireless mode, rates, protection, burst and the radio switch. For now it
// shows the radio state; the settings come with the advanced settings issue.
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ShellPages.h"
#include "state/SharedState.h"

namespace netvane {

class CV7000Access;

class AdvancePageController : public AdvanceShellPage {
 public:
  AdvancePageController(SharedState& state, CV7000Access& adapter, ui::Button& radio,
                        ui::ImageView& radioSwitchPic);

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void RadioStatus() override;

 private:
  SharedState& state_;
  // NOLINTBEGIN(readability-identifier-naming) the wiring names of the window layout
  [[maybe_unused]] CV7000Access& Adapter;
  ui::Button& Radio;
  ui::ImageView& RadioSwitchPic;
  // NOLINTEND(readability-identifier-naming)
};

}  // namespace netvane
