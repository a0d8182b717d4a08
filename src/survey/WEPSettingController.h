// The connect-time security sheet. Cancel ends its modal run with code 0; the rest of the
// dialog's behaviour comes with the connect flow.
#pragma once

#include "platform/ui/SheetRunner.h"

namespace netvane {

class WEPSettingController {
 public:
  explicit WEPSettingController(ui::SheetRunner& sheets) : sheets_(sheets) {}
  WEPSettingController(const WEPSettingController&) = delete;
  WEPSettingController& operator=(const WEPSettingController&) = delete;

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnCANCEL() { sheets_.StopModal(ui::kModalCancel); }

 private:
  ui::SheetRunner& sheets_;
};

}  // namespace netvane
