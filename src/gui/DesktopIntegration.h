// The window's life on the desktop beyond the window itself: each link status tick goes to the
// tray and to the connection watcher, whose events are written to the event history and, unless
// the user turned them off, shown as desktop notifications.
#pragma once

#include <QWidget>
#include <ctime>
#include <functional>
#include <string>

#include "gui/DesktopNotifier.h"
#include "gui/EventHistoryWindow.h"
#include "gui/TrayIndicator.h"
#include "platform/prefs/EventLog.h"
#include "platform/prefs/UserDefaults.h"
#include "status/ConnectionEvents.h"
#include "survey/JoinWatch.h"

namespace netvane::gui {

struct DesktopOptions {
  // The event history's folder; empty means the one the environment names.
  std::string stateFolder;
  // The time events are stamped with; empty means the system clock.
  std::function<std::time_t()> clock;
  // How long notifications wait for the session bus's first answer.
  int busDeadlineMs = DesktopNotifier::kBusDeadlineMs;
  // Where the note goes when they are dropped; empty means nowhere.
  std::function<void(const std::string&)> debugNote = {};
};

class DesktopIntegration {
 public:
  // The user defaults key of the notification switch; missing means on.
  static constexpr const char* kNotificationsKey = "Show Notifications";

  // `window` parents the history window; `defaults` must outlive this. `tray.showHistory` is
  // filled in here.
  DesktopIntegration(QWidget* window, prefs::UserDefaults& defaults, TrayActions tray,
                     DesktopOptions options);

  void Observe(const LinkObservation& link);
  void ReconnectStarted(const std::string& ssid) { watcher_.ReconnectStarted(ssid); }
  // A connection attempt from the site survey or the profile page, and its outcome.
  void FollowJoin(const JoinReport& report);
  void ShowHistory();

  bool NotificationsOn();
  void SetNotificationsOn(bool on);
  // Writes or removes the autostart entry; why it cannot, or empty.
  static std::string SetStartAtLogin(bool on);

  TrayIndicator& Tray() { return tray_; }
  const DesktopNotifier& Notifier() const { return notifier_; }
  EventHistoryWindow& History() { return *history_; }
  const prefs::EventLog& Log() const { return log_; }

 private:
  void Record(const ConnectionEvent& event);

  prefs::UserDefaults& defaults_;
  std::function<std::time_t()> clock_;
  prefs::EventLog log_;
  ConnectionWatcher watcher_;
  DesktopNotifier notifier_;
  TrayIndicator tray_;
  EventHistoryWindow* history_;  // owned by the window (its Qt parent)
};

}  // namespace netvane::gui
