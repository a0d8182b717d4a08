// The profile editor dialog. Cancel ends its modal run with code 0; opening, validation and
// saving come with the profile editor issue. For now a scanned network handed over from the
// site survey page is only kept.
#pragma once

#include <optional>

#include "platform/ui/SheetRunner.h"
#include "survey/ProfileHooks.h"

namespace netvane {

class ProfileEditorController : public ProfileEditorHook {
 public:
  explicit ProfileEditorController(ui::SheetRunner& sheets) : sheets_(sheets) {}
  ProfileEditorController(const ProfileEditorController&) = delete;
  ProfileEditorController& operator=(const ProfileEditorController&) = delete;

  void awakeFromNib() {}  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnCANCEL() { sheets_.StopModal(ui::kModalCancel); }

  bool AddProfile(const ScannedNetwork& network) override {
    pending_ = network;
    return true;
  }
  const std::optional<ScannedNetwork>& PendingNetwork() const { return pending_; }

 private:
  ui::SheetRunner& sheets_;
  std::optional<ScannedNetwork> pending_;
};

}  // namespace netvane
