#include "profiles/ProfilePageController.h"

#include "platform/system/Trace.h"
#include "platform/ui/ImageNames.h"
#include "profiles/ProfileActions.h"

namespace netvane {

ProfilePageController::ProfilePageController(SharedState& state, CV7000Access& adapter,
                                             ProfileStore& store, ui::TableView& list,
                                             ui::RepeatingTimer& timer,
                                             const ProfileEditorLinks& editor)
    : state_(state),
      store_(store),
      editor_(editor),
      timer_(timer),
      Adapter(adapter),
      profileList(list) {
  if (state_.__DEBUG__ != 0) platform::WriteStderr("#### ProfilePageController - init ####\n");
  profileList.SetDataSource(this);
}

ProfilePageController::~ProfilePageController() {
  profileList.SetDataSource(nullptr);
}

void ProfilePageController::awakeFromNib() {
  if (state_.__DEBUG__ != 0) {
    platform::WriteStderr("#### ProfilePageController - awakeFromNib ####\n");
  }
  profileList.SetDoubleAction([this] { OnActivate(nullptr); });
  profileList.SetImageColumn("PI");
  profileList.SetAllowsEmptySelection(true);
  timer_.Start(kTimerSeconds, [this] { OnTimer(); });
}

void ProfilePageController::OnTimer() {
  // Keeps the active-profile mark in step with flags that other pages change.
  if (state_.G_bDeviceExist != 0) profileList.Reload();
}

void ProfilePageController::RefreshProfileList() {
  records = store_.LoadProfileRecords();
  recordActivate = store_.LoadActiveProfile(recordActivate);
  ClearProfileList();
  for (const ProfileRecord& record : records) profileData.push_back(ProfileItemFor(record));
  profileList.Reload();
  profileList.SetAllowsEmptySelection(true);
  profileList.ClearSelection();
}

void ProfilePageController::ClearProfileList() {
  if (state_.__DEBUG__ != 0) {
    platform::WriteStderr("#### ProfilePageController - ClearProfileList ####\n");
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

void ProfilePageController::OnDelete(const void* /*sender*/) {
  const int row = profileList.SelectedRow();
  if (!IsRow(row)) return;
  // The list is read again below. The mark follows its profile as the stored row does.
  DeleteProfile(store_, std::move(records), recordActivate, row);
  CurrentSelectedItem = AfterRemoval(CurrentSelectedItem, row);
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
  CurrentSelectedItem = row;
  const ProfileRecord& record = records[static_cast<std::size_t>(row)];
  if (SiteSurveyPage != nullptr) {
    ActivateProfile(state_, store_, *SiteSurveyPage, recordActivate, record, row);
    return;
  }
  store_.SaveActiveProfile(recordActivate, MakeActiveRecord(record, true, CurrentSelectedItem));
  state_.G_bCheckedProfileConnect = 1;
}

void ProfilePageController::CheckProfileSettingForConnect() {
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
  if (recordActivate.empty()) return;
  const ProfileRecord standDown =
      MakeActiveRecord(recordActivate.front(), false, CurrentSelectedItem);
  store_.SaveActiveProfile(recordActivate, standDown);
}

}  // namespace netvane
