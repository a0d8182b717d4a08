#include "advanced/AdvancePageController.h"

#include "app/Globals.h"
#include "platform/ui/ImageNames.h"

namespace netvane {

AdvancePageController::AdvancePageController(CV7000Access& adapter, ui::Button& radio,
                                             ui::ImageView& radioSwitchPic)
    : Adapter(adapter), Radio(radio), RadioSwitchPic(radioSwitchPic) {}

void AdvancePageController::RadioStatus() {
  // The button names what pressing it would do.
  if (G_bRadio != 0) {
    Radio.SetTitle("Radio Off");
    RadioSwitchPic.ShowImage(ui::kImageRadioOn);
    G_bCheckedProfileConnect = 1;
  } else {
    Radio.SetTitle("Radio On");
    RadioSwitchPic.ShowImage(ui::kImageRadioOff);
    G_bCheckedProfileConnect = 0;
  }
}

}  // namespace netvane
