#include "profiles/ProfilePageController.h"

#include "platform/system/Log.h"
#include "profiles/ProfileActions.h"
#include "text/Translate.h"
#include "ui/ImageNames.h"

namespace netvane {

ProfilePageController::ProfilePageController(SharedState& state, CV7000Access& adapter,
                                             ProfileStore& store, ui::TableView& list,
                                             ui::RepeatingTimer& timer,
                                             const ProfileEditorLinks& editor, ui::Alert& alert)
    : state_(state),
      store_(store),
      editor_(editor),
      timer_(timer),
      alert_(alert),
      Adapter(adapter),
      profileList(list) {
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(system::LogCategory::kProfiles, "#### ProfilePageController - init ####");
  }
  profileList.SetDataSource(this);
}

ProfilePageController::~ProfilePageController() {
  profileList.SetDataSource(nullptr);
}

void ProfilePageController::awakeFromNib() {
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(system::LogCategory::kProfiles,
                     "#### ProfilePageController - awakeFromNib ####");
  }
  profileList.SetDoubleAction([this] { OnActivate(nullptr); });
  profileList.SetImageColumn("PI");
  profileList.SetAllowsEmptySelection(true);
  // What saves killed at the last run left, pass phrases included.
  store_.RemoveDebris();
  timer_.Start(kTimerSeconds, [this] { OnTimer(); });
}

void ProfilePageController::OnTimer() {
  // Keeps the active-profile mark in step with flags that other pages change.
  if (state_.G_bDeviceExist != 0) profileList.Reload();
}

void ProfilePageController::RefreshProfileList() {
  StoredProfiles now = store_.Load();
  if (!now.problem.empty() && now.problem != reportedProblem_) {
    alert_.Run(text::Tr("ProfilePage", "Could not read the profiles"), now.problem);
  }
  reportedProblem_ = now.problem;
  records = std::move(now.records);
  recordActivate = std::move(now.active);
  // The mark follows the stored row, wherever other programs' changes moved it.
  const int32_t stored =
      recordActivate.empty() ? -1 : IntOf(recordActivate.front(), profile_key::kSelected);
  CurrentSelectedItem = IsRow(stored) ? stored : -1;
  ClearProfileList();
  for (const ProfileRecord& record : records) profileData.push_back(ProfileItemFor(record));
  profileList.Reload();
  profileList.SetAllowsEmptySelection(true);
  profileList.ClearSelection();
}

void ProfilePageController::ClearProfileList() {
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(system::LogCategory::kProfiles,
                     "#### ProfilePageController - ClearProfileList ####");
  }
  profileData.clear();
  profileList.Reload();
}

int ProfilePageController::RowCount() const {
  return static_cast<int>(profileData.size());
}

std::string ProfilePageController::ValueFor(const std::string& columnIdentifier, int row) const {
  if (row < 0 || row >= RowCount()) return {};
  if (columnIdentifier == "PI") {
    if (row != CurrentSelectedItem) return {};
    return state_.G_bCheckedProfileConnect != 0 ? ui::kImageCheckMark : ui::kImageUncheckMark;
  }
  const std::string* field =
      ProfileItemField(profileData[static_cast<std::size_t>(row)], columnIdentifier);
  return field == nullptr ? std::string() : *field;
}

void ProfilePageController::RunEditor() {
  editor_.ProfileEditorWindow.Update();
  editor_.sheets.Run(editor_.ProfileEditorWindow);
  // Whatever the editor ended with, the list is read again from the store.
  RefreshProfileList();
}

void ProfilePageController::OnAdd(const void* /*sender*/) {
  editor_.ProfileEditor.AddInit();
  RunEditor();
}

void ProfilePageController::OnEdit(const void* /*sender*/) {
  const int row = profileList.SelectedRow();
  if (!IsRow(row)) return;
  if (!editor_.ProfileEditor.EditInit(row)) return;
  RunEditor();
}

void ProfilePageController::ReportUnsaved(const StoreResult& result, const std::string& what) {
  if (result.status == StoreResult::Status::kFailed) alert_.Run(what, result.reason);
}

void ProfilePageController::OnDelete(const void* /*sender*/) {
  const int row = profileList.SelectedRow();
  if (!IsRow(row)) return;
  ReportUnsaved(store_.DeleteProfile(records[static_cast<std::size_t>(row)], row),
                text::Tr("ProfilePage", "Could not delete the profile"));
  RefreshProfileList();
}

void ProfilePageController::Apply(const ProfileRecord& record) {
  if (SiteSurveyPage != nullptr) ApplyProfile(state_, *SiteSurveyPage, record);
}

void ProfilePageController::OnActivate(const void* /*sender*/) {
  ActivateRow(profileList.SelectedRow());
}

void ProfilePageController::ActivateRow(int row) {
  if (!IsRow(row)) return;
  const ProfileRecord& shown = records[static_cast<std::size_t>(row)];
  StoreResult result;
  if (SiteSurveyPage != nullptr) {
    result = ActivateProfile(state_, store_, *SiteSurveyPage, shown, row);
  } else {
    result = store_.ActivateProfile(shown, row);
    if (result.Saved()) state_.G_bCheckedProfileConnect = 1;
  }
  ReportUnsaved(result, text::Tr("ProfilePage", "Could not activate the profile"));
  RefreshProfileList();
}

void ProfilePageController::CheckProfileSettingForConnect() {
  recordActivate = store_.Load().active;
  if (recordActivate.empty()) return;
  const ProfileRecord& active = recordActivate.front();
  if (active.Text(profile_key::kActiveFlag) != "YES") return;
  const int32_t selected = IntOf(active, profile_key::kSelected);
  // The stored row is only a mark; the connection always uses the stored copy.
  CurrentSelectedItem = IsRow(selected) ? selected : -1;
  Apply(active);
  state_.G_bCheckedProfileConnect = 1;
  if (reconnectObserver_) reconnectObserver_(active.Text(profile_key::kSsid));
}

void ProfilePageController::DisabledActivateProfile() {
  ReportUnsaved(store_.StandDown(),
                text::Tr("ProfilePage", "Could not stand the active profile down"));
  RefreshProfileList();
}

}  // namespace netvane
