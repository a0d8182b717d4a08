// The main window's controller: tests for the adapter at start-up, brings the card up, and
// polls every 2.0 seconds to notice removal and re-insertion and to collect scans that a
// connection task started.
#pragma once

#include <functional>
#include <optional>

#include "state/SharedState.h"
#include "ui/BusyIndicator.h"
#include "ui/RepeatingTimer.h"
#include "ui/ShellPages.h"
#include "ui/TabView.h"

namespace netvane {

class CV7000Access;

class NetvaneController {
 public:
  static constexpr int kStartTab = 2;
  static constexpr double kPollSeconds = 2.0;

  // Every reference must outlive the controller. `busy` may be null.
  NetvaneController(SharedState& state, CV7000Access& adapter, ui::TabView& tabView,
                    ui::RepeatingTimer& pollTimer, ui::SiteSurveyShellPage& siteSurveyPage,
                    ui::AboutShellPage& aboutPage, ui::ProfileShellPage& profilePage,
                    ui::AdvanceShellPage& advancePage, ui::BusyIndicator* busy = nullptr);
  NetvaneController(const NetvaneController&) = delete;
  NetvaneController& operator=(const NetvaneController&) = delete;

  // Start-up, once every page is set up.
  void awakeFromNib();  // NOLINT(readability-identifier-naming) the window layout's hook name
  // One poll tick.
  void OnTimer();
  // Whether the driver can be found and opened now; leaves no connection open.
  bool IsDeviceDriverExist();
  // Hears whether the adapter is there: at start-up, and whenever that changes.
  void SetPresenceObserver(std::function<void(bool present)> observer) {
    presenceObserver_ = std::move(observer);
  }

 private:
  void BringUpCard();
  void ReportPresence();

  SharedState& state_;
  // NOLINTBEGIN(readability-identifier-naming) the wiring names of the window layout
  CV7000Access& Adapter;
  ui::TabView& TabView;
  ui::SiteSurveyShellPage& SiteSurveyPage;
  ui::AboutShellPage& AboutPage;
  ui::ProfileShellPage& ProfilePage;
  ui::AdvanceShellPage& AdvancePage;
  // NOLINTEND(readability-identifier-naming)
  ui::RepeatingTimer& pollTimer_;
  ui::BusyIndicator* busy_;
  std::function<void(bool)> presenceObserver_;
  std::optional<bool> reported_;
};

}  // namespace netvane
