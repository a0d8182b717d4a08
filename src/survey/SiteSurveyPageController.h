// The site survey page: the scanned networks with the associated one marked, the page's
// refresh cycle, the connection-task entry points, and connecting to a network or starting a
// profile from it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "survey/AccessPointTable.h"
#include "survey/ConnectRecord.h"
#include "survey/JoinWatch.h"
#include "survey/ProfileHooks.h"
#include "survey/ScanSelection.h"
#include "survey/SheetResults.h"
#include "survey/TaskExecutor.h"
#include "survey/WEPSettingController.h"
#include "ui/Alert.h"
#include "ui/RepeatingTimer.h"
#include "ui/SheetRunner.h"
#include "ui/ShellPages.h"
#include "ui/TabView.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/Window.h"

namespace netvane {

class CV7000Access;
class TaskQueue;

// The dialogs and neighbours the connect flow and the add-profile action reach.
struct SiteSurveyDialogs {
  ui::SheetRunner& sheets;
  ui::Alert& alert;
  WEPSettingController& WEPSetting;
  ui::Window& WEPSettingWindow;
  ui::Window& HiddenSSIDWindow;
  ProfileEditorHook& ProfileEditor;
  ui::Window& ProfileEditorWindow;
  ui::TabView& TabView;  // the profile editor's tabs
  ProfileActivationHook& ProfilePage;
};

class SiteSurveyPageController : public ui::SiteSurveyShellPage,
                                 public ConnectionTarget,
                                 public SecuritySettingsReceiver,
                                 public HiddenSSIDReceiver {
 public:
  static constexpr double kTimerSeconds = 2.0;

  // Every reference must outlive the page.
  SiteSurveyPageController(SharedState& state, CV7000Access& adapter, TaskQueue& taskQueue,
                           ui::TableView& apList, ui::TextField& connectStatus,
                           ui::RepeatingTimer& timer, const SiteSurveyDialogs& dialogs);

  void awakeFromNib();  // NOLINT(readability-identifier-naming) set-up hook of the layout

  // The refresh cycle.
  void OnTimer();
  void ProbeConnectStatus();
  void RescanTimeFunc();
  void RefreshAPList(const void* sender) override;
  void StartSiteSurveyTimer() override;
  void StopSiteSurveyTimer() override;
  void ClearAPList() override;

  // Tasks.
  void DoTask() override;
  void SetTaskQueue(std::unique_ptr<PROFILE_DATA> record) override;
  void resetFlag() override;
  // Watches for the join of the record queued last; said once when it does not come.
  void WatchJoin() override;
  // Hears each attempt's start and its outcome.
  void SetJoinObserver(JoinObserver observer) { joinObserver_ = std::move(observer); }

  // User actions.
  void OnRescan(const void* sender);
  void OnConnect(const void* sender);
  void OnAddProfile(const void* sender);

  // Hand-overs from the dialogs, and the status line the link status page writes.
  void ReceiveWEPsetting(const SecuritySettings& settings) override;
  void ReceiveHiddenSSID(std::string_view ssid) override;
  void UpdateConnectStatus(const std::string& text);

  // How the last connect from this page associated.
  bool AssociatedBySsid() const { return SetSsid != 0; }
  bool AssociatedByBssid() const { return SetBssid != 0; }
  const AccessPointTable& Table() const { return table_; }

 private:
  // The scan entry of the selected row; the alert when no row is selected, nothing when the
  // row is not in the current list.
  std::optional<ScanEntry> SelectedEntry();
  void QueueRescan();
  // The joined network's row marked, the table redrawn when the mark moved.
  void ShowMark(bool found);
  void FollowJoin(bool joinedTarget);
  bool TargetInScan() const;
  void ShowConnectStatus();
  bool AskHiddenSsid(ConnectChoices& choices);
  bool AskSecurity(const ScanEntry& entry, int32_t wpaKind, ConnectChoices& choices);

  SharedState& state_;
  // NOLINTBEGIN(readability-identifier-naming) the wiring names of the window layout
  CV7000Access& Adapter;
  TaskQueue& taskQueue;
  ui::TableView& ApList;
  ui::TextField& ConnectStatus;
  ui::RepeatingTimer& SiteSurveyTimer;
  SiteSurveyDialogs dialogs_;
  TaskExecutor executor_;
  AccessPointTable table_;
  JoinWatch joinWatch_{kTimerSeconds};
  JoinTarget queued_;  // the network of the record queued last
  JoinObserver joinObserver_;
  std::string linkLine_;  // the link status page's line
  std::string joinNote_;  // a failed join, until the next attempt or join
  int32_t shownMark_ = -1;

  int32_t CurrentSelectedItem = 0;  // selected row + 1, 0 for none
  uint8_t SetSsid = 0;
  uint8_t SetBssid = 0;
  NDIS_802_11_SSID SsidSet{};
  SecuritySettings sheetResult_;
  int32_t HiddenSSIDlen = 0;
  std::array<uint8_t, kMaxSsidLength> HiddenSSIDtext{};
  // NOLINTEND(readability-identifier-naming)
};

}  // namespace netvane
