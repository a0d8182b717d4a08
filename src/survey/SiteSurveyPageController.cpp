#include "survey/SiteSurveyPageController.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "survey/AccessPointRows.h"
#include "survey/JoinRefusal.h"
#include "survey/TaskQueue.h"
#include "survey/WpaElement.h"
#include "text/SafeText.h"
#include "text/Translate.h"

namespace netvane {

SiteSurveyPageController::SiteSurveyPageController(SharedState& state, CV7000Access& adapter,
                                                   TaskQueue& queue, ui::TableView& apList,
                                                   ui::TextField& connectStatus,
                                                   ui::RepeatingTimer& timer,
                                                   const SiteSurveyDialogs& dialogs)
    : state_(state),
      Adapter(adapter),
      taskQueue(queue),
      ApList(apList),
      ConnectStatus(connectStatus),
      SiteSurveyTimer(timer),
      dialogs_(dialogs),
      executor_(state, adapter, queue),
      table_(state) {}

void SiteSurveyPageController::awakeFromNib() {
  ApList.SetDataSource(&table_);
  ApList.SetDoubleAction([this] { OnConnect(nullptr); });
  ApList.SetImageColumn(AccessPointTable::kMarkColumn);
  ApList.SetAllowsEmptySelection(true);
  // No tick has looked for the associated network yet: mark no row until one has.
  state_.G_bCurSelItem = -1;
  state_.G_bRescan = 1;
}

// ---- The refresh cycle ----

void SiteSurveyPageController::OnTimer() {
  if (state_.G_bDeviceExist != 0) ProbeConnectStatus();
}

void SiteSurveyPageController::ProbeConnectStatus() {
  if (state_.G_bDeviceExist == 0) return;
  if (state_.G_bRescan != 0) {
    // The scan's result is not in yet: the application's poll fetches it first.
    if (state_.G_bBssidListScan != 0) return;
    RefreshAPList(nullptr);
    state_.G_bRescan = 0;
  }
  state_.G_bCurSelItem = -1;

  // Query buffers start zeroed, so a failed query reads as connected to 00-00-00-00-00-00.
  NDIS_MEDIA_STATE mediaState{};
  uint32_t returned = 0;
  Adapter.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &mediaState, sizeof mediaState,
                              &returned);
  if (mediaState != NdisMediaStateConnected || state_.G_bRadio == 0) {
    // The mark leaves the network the adapter left at once, not at the next rescan.
    ShowMark(false);
    FollowJoin(false);
    return;
  }

  state_.G_bRescan = 1;
  uint8_t bssid[kMacLength] = {};
  Adapter.OidQueryInformation(OID_802_11_BSSID, bssid, sizeof bssid, &returned);
  NDIS_802_11_SSID ssid{};
  Adapter.OidQueryInformation(OID_802_11_SSID, &ssid, sizeof ssid, &returned);

  bool found = false;
  if (state_.G_pBssidList != nullptr) {
    const ScanListView view = state_.G_pBssidList->View();
    const auto& entries = view.Entries();
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const ScanEntry& e) {
      return std::memcmp(e.fields.MacAddress, bssid, kMacLength) == 0;
    });
    if (at != entries.end()) {
      state_.G_bCurSelItem = static_cast<int32_t>(at - entries.begin());
      state_.G_bRescan = 0;
      found = true;
    }
  }
  ShowMark(found);
  if (!joinNote_.empty()) {
    joinNote_.clear();
    ShowConnectStatus();
  }
  const std::optional<JoinTarget>& target = joinWatch_.Target();
  FollowJoin(target && target->Matches(SsidText(ssid), bssid));
  // Associated with a network the last scan did not see: look again.
  if (state_.G_bRescan != 0) QueueRescan();
}

void SiteSurveyPageController::ShowMark(bool found) {
  if (!found && state_.G_bCurSelItem == shownMark_) return;
  shownMark_ = state_.G_bCurSelItem;
  ApList.Reload();
}

bool SiteSurveyPageController::TargetInScan() const {
  const std::optional<JoinTarget>& target = joinWatch_.Target();
  if (!target || state_.G_pBssidList == nullptr) return false;
  const ScanListView view = state_.G_pBssidList->View();
  return std::any_of(view.Entries().begin(), view.Entries().end(), [&](const ScanEntry& e) {
    return target->Matches(SsidText(e.fields.Ssid), e.fields.MacAddress);
  });
}

void SiteSurveyPageController::FollowJoin(bool joinedTarget) {
  if (!joinWatch_.Watching()) return;
  const std::optional<JoinReport> outcome = joinWatch_.Tick(joinedTarget, TargetInScan());
  if (!outcome) {
    // The list shown may be older than the attempt: the verdict reads a fresh one.
    if (joinWatch_.LookAgainNow()) QueueRescan();
    return;
  }
  if (outcome->kind == JoinReport::Kind::kFailed) {
    joinNote_ = JoinFailureLine(*outcome);
    ShowConnectStatus();
  }
  if (joinObserver_) joinObserver_(*outcome);
}

void SiteSurveyPageController::WatchJoin() {
  joinNote_.clear();
  ShowConnectStatus();
  joinWatch_.Start(queued_);
  if (joinObserver_) joinObserver_({JoinReport::Kind::kStarted, queued_.ssid});
}

void SiteSurveyPageController::RescanTimeFunc() {
  // The selection follows the network, by its address, wherever the new list puts it.
  const int selected = ApList.SelectedRow();
  const std::string kept = selected >= 0 && selected < table_.RowCount()
                               ? table_.Rows()[static_cast<std::size_t>(selected)].BSSID()
                               : std::string();
  table_.Replace(BuildAccessPoints(state_.G_pBssidList.get()));
  ApList.Reload();
  ApList.SetAllowsEmptySelection(true);
  const int row = kept.empty() ? -1 : table_.RowOf(kept);
  if (row >= 0) {
    ApList.SelectRow(row);
  } else {
    ApList.ClearSelection();
  }
}

void SiteSurveyPageController::RefreshAPList(const void* /*sender*/) {
  RescanTimeFunc();
}

void SiteSurveyPageController::StartSiteSurveyTimer() {
  SiteSurveyTimer.Start(kTimerSeconds, [this] { OnTimer(); });
}

void SiteSurveyPageController::StopSiteSurveyTimer() {
  SiteSurveyTimer.Stop();
}

void SiteSurveyPageController::ClearAPList() {
  table_.Clear();
  ApList.Reload();
}

// ---- Tasks ----

void SiteSurveyPageController::DoTask() {
  executor_.DoTask();
}

void SiteSurveyPageController::SetTaskQueue(std::unique_ptr<PROFILE_DATA> record) {
  queued_ =
      JoinTarget{SsidText(record->SSID), {}, record->enumEncryStatus != Ndis802_11WEPDisabled};
  if (record->bBssid != 0) std::copy_n(record->BSSID, kMacLength, queued_.bssid.begin());
  executor_.SetTaskQueue(std::move(record));
}

void SiteSurveyPageController::resetFlag() {
  SetSsid = 0;
  SetBssid = 0;
}

void SiteSurveyPageController::QueueRescan() {
  // The record of a rescan task is carried but never read.
  auto task = std::make_unique<ProfileData>();
  task->setTaskType(kTaskRescan);
  taskQueue.InsertTaskObject(std::move(task));
  DoTask();
}

void SiteSurveyPageController::OnRescan(const void* /*sender*/) {
  QueueRescan();
  state_.G_bRescan = 1;
}

// ---- Connecting ----

std::optional<ScanEntry> SiteSurveyPageController::SelectedEntry() {
  CurrentSelectedItem = std::max(ApList.SelectedRow(), -1) + 1;
  if (CurrentSelectedItem == 0) {
    dialogs_.alert.Run(text::Tr("SiteSurveyPage", "No seleted item"),
                       text::Tr("SiteSurveyPage", "Please select an item to connect to."));
    return std::nullopt;
  }
  // The list may have been fetched anew, in another order, since the rows were built: the row's
  // network is found there by its address, and a row it no longer holds reads nothing.
  const auto row = static_cast<std::size_t>(CurrentSelectedItem - 1);
  if (row >= table_.Rows().size()) return std::nullopt;
  return ScanEntryWithBssid(state_.G_pBssidList.get(), table_.Rows()[row].BSSID());
}

bool SiteSurveyPageController::AskHiddenSsid(ConnectChoices& choices) {
  if (dialogs_.sheets.Run(dialogs_.HiddenSSIDWindow) != ui::kModalOK) return false;
  NDIS_802_11_SSID typed{};
  typed.SsidLength = static_cast<uint32_t>(HiddenSSIDlen);
  std::copy(HiddenSSIDtext.begin(), HiddenSSIDtext.end(), std::begin(typed.Ssid));
  choices.hiddenSsid = typed;
  return true;
}

bool SiteSurveyPageController::AskSecurity(const ScanEntry& entry, int32_t wpaKind,
                                           ConnectChoices& choices) {
  const std::string cipher = ParseWPAElement(entry, {PrivacyCipherText(entry.fields), ""}).cipher;
  const SheetPreset preset = PresetFor(wpaKind, cipher);
  dialogs_.WEPSetting.Preset(preset.authentication, preset.encryption);
  dialogs_.WEPSettingWindow.Update();
  dialogs_.WEPSetting.clearText();
  // On OK the sheet has handed its settings over already.
  if (dialogs_.sheets.Run(dialogs_.WEPSettingWindow) != ui::kModalOK) return false;
  // The page keeps no copy of the keys once the connect has them.
  choices.security = std::exchange(sheetResult_, SecuritySettings{});
  return true;
}

void SiteSurveyPageController::OnConnect(const void* /*sender*/) {
  state_.G_bBssidListScan = 0;
  state_.G_bRescan = 0;
  const std::optional<ScanEntry> entry = SelectedEntry();
  if (!entry) return;

  const int32_t wpaKind = IsItemWPA(*entry);
  // What the adapter or Netvane cannot do is said, not silently skipped.
  if (const auto refusal = RefusalFor(wpaKind, text::EscapedText(SsidText(entry->fields.Ssid)))) {
    dialogs_.alert.Run(refusal->message, refusal->Informative());
    return;
  }

  ConnectChoices choices;
  if (IsHiddenInfrastructure(entry->fields) && !AskHiddenSsid(choices)) return;
  if (NeedsSecuritySheet(entry->fields, wpaKind) && !AskSecurity(*entry, wpaKind, choices)) return;

  SsidSet = ConnectSsid(entry->fields, choices);
  auto record = BuildConnectRecord(*entry, choices);
  const bool byBssid = record->bBssid != 0;

  // No tick may run between queueing the task and applying it.
  StopSiteSurveyTimer();
  state_.G_bRescan = 0;
  SetTaskQueue(std::move(record));
  // A network joined by its address is still named, and found in the scan by it.
  queued_.ssid = SsidText(SsidSet);
  std::copy_n(entry->fields.MacAddress, kMacLength, queued_.bssid.begin());
  DoTask();
  WatchJoin();
  StartSiteSurveyTimer();
  SetBssid = byBssid ? 1 : 0;
  SetSsid = byBssid ? 0 : 1;

  // A manual connection stands the active profile down.
  state_.G_bCheckedProfileConnect = 0;
  dialogs_.ProfilePage.DisabledActivateProfile();
}

void SiteSurveyPageController::OnAddProfile(const void* /*sender*/) {
  const std::optional<ScanEntry> entry = SelectedEntry();
  if (!entry) return;
  if (!dialogs_.ProfileEditor.AddProfile(ScannedNetworkFor(*entry))) return;
  dialogs_.TabView.SelectIndex(0);
  dialogs_.ProfileEditorWindow.Update();
  dialogs_.sheets.Run(dialogs_.ProfileEditorWindow);
  dialogs_.ProfilePage.RefreshProfileList();
}

void SiteSurveyPageController::ReceiveWEPsetting(const SecuritySettings& settings) {
  sheetResult_ = settings;
  // Never more than the buffers hold, whatever the sender says.
  sheetResult_.WPAPSKlen =
      std::clamp(settings.WPAPSKlen, 0, static_cast<int32_t>(kWpaKeyTextLength));
  for (WepKeyMaterial& key : sheetResult_.keys) {
    key.length = std::min(key.length, static_cast<uint8_t>(kWepMaterialLength - 1));
  }
}

void SiteSurveyPageController::ReceiveHiddenSSID(std::string_view ssid) {
  const std::size_t length = std::min(ssid.size(), HiddenSSIDtext.size());
  HiddenSSIDtext.fill(0);
  std::copy_n(ssid.begin(), length, HiddenSSIDtext.begin());
  HiddenSSIDlen = static_cast<int32_t>(length);
}

void SiteSurveyPageController::UpdateConnectStatus(const std::string& text) {
  linkLine_ = text;
  ShowConnectStatus();
}

void SiteSurveyPageController::ShowConnectStatus() {
  if (joinNote_.empty()) {
    ConnectStatus.SetText(linkLine_);
  } else {
    ConnectStatus.SetText(linkLine_.empty() ? joinNote_ : linkLine_ + "  " + joinNote_);
  }
}

}  // namespace netvane
