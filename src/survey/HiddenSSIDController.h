// The prompt for the name of a network that does not broadcast it. OK hands the typed SSID to
// the site survey page; a name longer than an SSID can be is refused and the prompt stays open.
#pragma once

#include <string>

#include "survey/SheetResults.h"
#include "ui/Alert.h"
#include "ui/SheetRunner.h"
#include "ui/TextField.h"

namespace netvane {

// A name the user typed fits the 32 bytes of an SSID; otherwise the alert says so, and false.
bool TypedSsidFits(const std::string& ssid, ui::Alert& alert);

class HiddenSSIDController {
 public:
  // Every reference must outlive the controller.
  HiddenSSIDController(ui::TextField& hiddenSSIDText, ui::Alert& alert, ui::SheetRunner& sheets)
      : HiddenSSIDText(hiddenSSIDText), alert_(alert), sheets_(sheets) {}
  HiddenSSIDController(const HiddenSSIDController&) = delete;
  HiddenSSIDController& operator=(const HiddenSSIDController&) = delete;

  // The page that receives the SSID; wired after both exist, as each needs the other.
  void SetSiteSurvey(HiddenSSIDReceiver& siteSurvey) { siteSurvey_ = &siteSurvey; }

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnOK();
  void OnCANCEL() { sheets_.StopModal(ui::kModalCancel); }

 private:
  ui::TextField& HiddenSSIDText;  // NOLINT(readability-identifier-naming) the layout's name
  ui::Alert& alert_;
  ui::SheetRunner& sheets_;
  HiddenSSIDReceiver* siteSurvey_ = nullptr;
};

}  // namespace netvane
