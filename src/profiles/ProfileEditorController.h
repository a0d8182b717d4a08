// The profile editor dialog. Cancel ends its modal run with code 0; opening, validation and
// saving come with the profile editor issue.
#pragma once

#include "platform/ui/SheetRunner.h"

namespace netvane {

class ProfileEditorController {
 public:
  explicit ProfileEditorController(ui::SheetRunner& sheets) : sheets_(sheets) {}
  ProfileEditorController(const ProfileEditorController&) = delete;
  ProfileEditorController& operator=(const ProfileEditorController&) = delete;

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnCANCEL() { sheets_.StopModal(ui::kModalCancel); }

 private:
  ui::SheetRunner& sheets_;
};

}  // namespace netvane
