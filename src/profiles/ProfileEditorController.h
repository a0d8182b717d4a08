// The profile editor dialog. So far it only opens and ends with Cancel (code 0); filling the form
// from a profile or a scanned network, checking it and saving it are still to come. A scanned
// network handed over from the site survey page is only kept.
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

  void AddInit() override {}
  void EditInit(int32_t /*row*/) override {}
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
