// Builds the window and the dialogs, wraps their controls, creates the one driver access object,
// the one task queue and every controller, and wires them as the window layout would. SetUp
// then runs every page's and dialog's set-up, and the main window controller's last.
#pragma once

#include <memory>

#include "advanced/AdvancePageController.h"
#include "driver/CV7000Access.h"
#include "gui/AdapterNotice.h"
#include "gui/ControlSet.h"
#include "gui/DesktopIntegration.h"
#include "gui/Dialogs.h"
#include "gui/HistoryGraph.h"
#include "gui/LiveIoClock.h"
#include "gui/MainWindow.h"
#include "gui/ModalDepth.h"
#include "gui/QtAlert.h"
#include "gui/QtBusyIndicator.h"
#include "gui/QtControls.h"
#include "gui/QtRepeatingTimer.h"
#include "gui/QtSheetRunner.h"
#include "gui/QtWindow.h"
#include "gui/WindowMemory.h"
#include "platform/prefs/PrefsFolder.h"
#include "platform/prefs/UserDefaults.h"
#include "platform/system/Sleep.h"
#include "platform/userclient/SocketUserClient.h"
#include "platform/userclient/UserClientApi.h"
#include "profiles/ProfileEditorController.h"
#include "profiles/ProfilePageController.h"
#include "profiles/ProfileStore.h"
#include "shell/NetvaneController.h"
#include "state/SharedState.h"
#include "status/AboutPageController.h"
#include "status/LinkStatusPageController.h"
#include "status/StatisticsPageController.h"
#include "survey/HiddenSSIDController.h"
#include "survey/SiteSurveyPageController.h"
#include "survey/TaskQueue.h"
#include "survey/WEPSettingController.h"

namespace netvane::gui {

struct RootOptions {
  // The driver services; null means the real registry over Unix sockets.
  userclient::UserClientApi* userClient = nullptr;
  // The wait of a scan; empty means a live wait (the window keeps painting) under the wait
  // cursor.
  system::SleepFunction sleep;
  // The preferences folder; empty means the one the environment names.
  std::string prefsFolder;
  // The event history's folder and clock.
  DesktopOptions desktop;
  // What the window's waits (the scan's, the driver socket's) read the time from and wait on in
  // slices; null means the steady clock and poll(2).
  userclient::IoClock* clock = nullptr;
};

class CompositionRoot {
 public:
  explicit CompositionRoot(RootOptions options = {});
  CompositionRoot(const CompositionRoot&) = delete;
  CompositionRoot& operator=(const CompositionRoot&) = delete;
  ~CompositionRoot();

  // Set-up of every page and dialog, then start-up of the main window controller; a registry
  // folder or driver socket refused on the way is shown in an alert (once per process).
  void SetUp();

  MainWindow& Window() { return *window_; }
  NetvaneController& Controller() { return netvane_; }
  CV7000Access& Adapter() { return adapter_; }
  QtSheetRunner& Sheets() { return sheets_; }
  QtAlert& Alert() { return alert_; }
  const ModalDepth& Modal() const { return modal_; }
  QtRepeatingTimer& PollTimer() { return pollTimer_; }
  SharedState& State() { return state_; }
  prefs::UserDefaults& Defaults() { return defaults_; }
  ProfilePageController& ProfilePage() { return profile_; }
  AboutPageController& AboutPage() { return about_; }
  AdvancePageController& AdvancePage() { return advance_; }
  LinkStatusPageController& LinkStatus() { return linkStatus_; }
  DesktopIntegration& Desktop() { return desktop_; }
  QtTableView& NetworkList() { return networkList_; }
  QtTableView& ProfileList() { return profileList_; }
  // The first registry refusal while no adapter was found; empty once one is.
  const std::string& Refusal() const { return refusal_; }
  std::vector<QtRepeatingTimer*> Timers();

  SecuritySheetDialog& SecuritySheet() { return *securitySheet_; }
  HiddenSSIDDialog& HiddenSSIDPrompt() { return *hiddenSSID_; }
  ProfileEditorDialog& ProfileEditor() { return *profileEditor_; }
  ui::Window& SecuritySheetWindow() { return securityWindow_; }
  ui::Window& HiddenSSIDWindow() { return hiddenWindow_; }
  ui::Window& ProfileEditorWindow() { return editorWindow_; }
  SiteSurveyPageController& SiteSurvey() { return siteSurvey_; }
  WEPSettingController& WEPSetting() { return wepSetting_; }
  HiddenSSIDController& HiddenSSID() { return hiddenSSIDController_; }

 private:
  void WireActions();
  TrayActions TrayActionsFor();

  // The process-wide flags; built first so that every controller can refer to it.
  SharedState state_;
  ModalDepth modal_;
  LiveIoClock liveClock_;
  std::unique_ptr<MainWindow> window_;
  // Owned by the main window (their Qt parent).
  SecuritySheetDialog* securitySheet_;
  HiddenSSIDDialog* hiddenSSID_;
  ProfileEditorDialog* profileEditor_;
  HistoryGraph* historyGraph_;

  ControlSet controls_;
  QtTableView& networkList_;
  QtTableView& profileList_;
  QtTabView tabView_;
  QtTabView editorTabs_;
  QtWindow securityWindow_;
  QtWindow hiddenWindow_;
  QtWindow editorWindow_;
  QtSheetRunner sheets_;
  QtAlert alert_;
  QtBusyIndicator busy_;
  QtHistoryView historyView_;
  AdapterNotice adapterNotice_;

  // One preferences domain for the whole process.
  prefs::PrefsFolder prefsFolder_;
  prefs::UserDefaults defaults_;
  ProfileStore profileStore_;
  prefs::RecordListFile advancedFile_{prefsFolder_, "AdvancedProfileSetting.plist"};

  std::unique_ptr<userclient::SocketUserClient> ownUserClient_;
  // The first refusal the real registry reported, for the start-up alert.
  std::string refusal_;
  bool refusalShown_ = false;
  userclient::UserClientApi& userClient_;
  CV7000Access adapter_;
  TaskQueue taskQueue_;

  QtRepeatingTimer pollTimer_;
  QtRepeatingTimer siteSurveyTimer_;
  QtRepeatingTimer profileTimer_;
  QtRepeatingTimer linkStatusTimer_;
  QtRepeatingTimer statisticsTimer_;

  WEPSettingController wepSetting_;
  HiddenSSIDController hiddenSSIDController_;
  ProfileEditorController profileEditorController_;
  ProfilePageController profile_;
  SiteSurveyPageController siteSurvey_;
  LinkStatusPageController linkStatus_;
  StatisticsPageController statistics_;
  AdvancePageController advance_;
  AboutPageController about_;
  NetvaneController netvane_;
  // Last: the tray's menu reads the pages as it is built.
  DesktopIntegration desktop_;
  WindowMemory memory_;
};

}  // namespace netvane::gui
