#include "shell/NetvaneController.h"

#include <cstdint>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/system/Log.h"

namespace netvane {

NetvaneController::NetvaneController(SharedState& state, CV7000Access& adapter,
                                     ui::TabView& tabView, ui::RepeatingTimer& pollTimer,
                                     ui::SiteSurveyShellPage& siteSurveyPage,
                                     ui::AboutShellPage& aboutPage,
                                     ui::ProfileShellPage& profilePage,
                                     ui::AdvanceShellPage& advancePage, ui::BusyIndicator* busy)
    : state_(state),
      Adapter(adapter),
      TabView(tabView),
      SiteSurveyPage(siteSurveyPage),
      AboutPage(aboutPage),
      ProfilePage(profilePage),
      AdvancePage(advancePage),
      pollTimer_(pollTimer),
      busy_(busy) {}

bool NetvaneController::IsDeviceDriverExist() {
  if (!Adapter.SearchDevice()) {
    Adapter.CloseConnectToDevice();
    return false;
  }
  if (!Adapter.OpenConnectToDevice()) {
    Adapter.CloseConnectToDevice();
    return false;
  }
  Adapter.CloseConnectToDevice();
  return true;
}

void NetvaneController::BringUpCard() {
  // The first scan alone blocks for two seconds.
  ui::BusyScope busy(busy_);
  Adapter.InitCard();
  SiteSurveyPage.RefreshAPList(nullptr);
  SiteSurveyPage.StartSiteSurveyTimer();
  ProfilePage.RefreshProfileList();
  ProfilePage.CheckProfileSettingForConnect();
  AdvancePage.RadioStatus();
  AboutPage.GetAllInformation();
}

void NetvaneController::awakeFromNib() {
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(system::LogCategory::kShell, "#### NetvaneController - awakeFromNib ####");
  }
  TabView.SelectIndex(kStartTab);
  state_.G_bDeviceExist = IsDeviceDriverExist() ? 1 : 0;
  if (state_.G_bDeviceExist != 0) BringUpCard();
  ReportPresence();
  // Runs whether or not the adapter is there: the poll is how a later insertion is noticed.
  pollTimer_.Start(kPollSeconds, [this] { OnTimer(); });
}

void NetvaneController::OnTimer() {
  if (state_.G_bDialogRunning != 0) return;

  // Only whether the driver answered matters here, not the media state itself.
  NDIS_MEDIA_STATE mediaState{};
  uint32_t returned = 0;
  const bool answered = Adapter.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &mediaState,
                                                    sizeof(mediaState), &returned);

  if (state_.G_bDeviceExist != 0 && answered) {
    // Every good tick: a debug line, or a desktop session's journal fills with it.
    system::LogF(system::LogCategory::kShell, system::LogLevel::kDebug,
                 "NetvaneController - G_bBssidListScan = %d", state_.G_bBssidListScan);
    if (state_.G_bRadio == 0) SiteSurveyPage.ClearAPList();
    if (state_.G_bBssidListScan == 1) {
      SiteSurveyPage.StopSiteSurveyTimer();
      SiteSurveyPage.DoTask();
      state_.G_bRescan = 1;
      SiteSurveyPage.StartSiteSurveyTimer();
    }
    return;
  }

  if (!answered) SiteSurveyPage.ClearAPList();
  state_.G_bDeviceExist = IsDeviceDriverExist() ? 1 : 0;
  if (state_.G_bDeviceExist != 0) BringUpCard();
  ReportPresence();
}

void NetvaneController::ReportPresence() {
  const bool present = state_.G_bDeviceExist != 0;
  if (reported_ == present) return;
  reported_ = present;
  if (presenceObserver_) presenceObserver_(present);
}

}  // namespace netvane
