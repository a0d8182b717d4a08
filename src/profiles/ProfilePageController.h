// The profile page: the stored profiles in a table with the active one marked, adding, editing
// and deleting them, and activation: applying a profile now, and again at every start-up and
// every return of the adapter while it stays active. The table shows what the store read; every
// change goes to the store as one change to the files as they are now (another program may
// have changed them), and the table is read again after it. A failed save or a file that
// cannot be read is shown in an alert.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "profiles/ProfileItem.h"
#include "profiles/ProfileStore.h"
#include "state/SharedState.h"
#include "survey/ProfileHooks.h"
#include "ui/Alert.h"
#include "ui/RepeatingTimer.h"
#include "ui/SheetRunner.h"
#include "ui/ShellPages.h"
#include "ui/TableView.h"
#include "ui/Window.h"

namespace netvane {

class CV7000Access;

// The editor sheet the add and edit actions run.
struct ProfileEditorLinks {
  ui::SheetRunner& sheets;
  ProfileEditorHook& ProfileEditor;
  ui::Window& ProfileEditorWindow;
};

class ProfilePageController : public ui::ProfileShellPage,
                              public ProfileActivationHook,
                              public ui::TableDataSource {
 public:
  static constexpr double kTimerSeconds = 2.0;

  // Every reference must outlive the page.
  ProfilePageController(SharedState& state, CV7000Access& adapter, ProfileStore& store,
                        ui::TableView& profileList, ui::RepeatingTimer& timer,
                        const ProfileEditorLinks& editor, ui::Alert& alert);
  ~ProfilePageController() override;

  // The site survey page is built after this page; activation needs it.
  void SetSiteSurvey(ConnectionTarget& siteSurvey) { SiteSurveyPage = &siteSurvey; }

  void awakeFromNib();  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnTimer();

  void RefreshProfileList() override;
  void ClearProfileList();
  void OnAdd(const void* sender);
  void OnEdit(const void* sender);
  void OnDelete(const void* sender);
  void OnActivate(const void* sender);
  // Activation of a row chosen elsewhere than in the table (the tray's menu).
  void ActivateRow(int row);
  // Hears the network name of each automatic re-application of the active profile.
  void SetReconnectObserver(std::function<void(const std::string& ssid)> observer) {
    reconnectObserver_ = std::move(observer);
  }
  void CheckProfileSettingForConnect() override;
  // A manual connection on the site survey page stands the active profile down.
  void DisabledActivateProfile() override;

  // The table's rows.
  int RowCount() const override;
  std::string ValueFor(const std::string& columnIdentifier, int row) const override;
  // Cells are not edited in place: an edit would change nothing that is stored.
  void SetValueFor(const std::string& /*columnIdentifier*/, int /*row*/,
                   const std::string& /*value*/) override {}

  int32_t CurrentSelected() const { return CurrentSelectedItem; }
  // The rows as last read.
  const ProfileRecordList& Records() const { return records; }

 private:
  void RunEditor();
  // An alert for a change the store did not save; a profile that is gone needs none, the table
  // shows it.
  void ReportUnsaved(const StoreResult& result, const std::string& what);
  void Apply(const ProfileRecord& record);
  bool IsRow(int64_t row) const { return row >= 0 && row < static_cast<int64_t>(records.size()); }

  SharedState& state_;
  ProfileStore& store_;
  ProfileEditorLinks editor_;
  ui::RepeatingTimer& timer_;
  ui::Alert& alert_;
  std::string reportedProblem_;  // a file that cannot be read is reported once, not each refresh
  std::function<void(const std::string&)> reconnectObserver_;
  // NOLINTBEGIN(readability-identifier-naming) the page's own operation names
  [[maybe_unused]] CV7000Access& Adapter;
  ui::TableView& profileList;
  ConnectionTarget* SiteSurveyPage = nullptr;
  std::vector<ProfileItem> profileData;
  ProfileRecordList records;
  ProfileRecordList recordActivate;
  int32_t CurrentSelectedItem = -1;
  // NOLINTEND(readability-identifier-naming)
};

}  // namespace netvane
