#include "advanced/AdvancePageController.h"

#include "platform/ui/ImageNames.h"

namespace netvane {

AdvancePageController::AdvancePageController(SharedState& state, CV7000Access& adapter,
                                             ui::Button& radio, ui::ImageView& radioSwitchPic)
    : state_(state), Adapter(adapter), Radio(radio), RadioSwitchPic(radioSwitchPic) {}

void AdvancePageController::RadioStatus() {
  // The button names what pressing it would do.
  if (state_.G_bRadio != 0) {
    Radio.SetTitle("Radio Off");
    RadioSwitchPic.ShowImage(ui::kImageRadioOn);
    state_.G_bCheckedProfileConnect = 1;
  } else {
    Radio.SetTitle("Radio On");
    RadioSwitchPic.ShowImage(ui::kImageRadioOff);
    state_.G_bCheckedProfileConnect = 0;
  }
}

}  // namespace netvane
