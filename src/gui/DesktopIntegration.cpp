#include "gui/DesktopIntegration.h"

#include <QCoreApplication>

#include "platform/system/AutostartEntry.h"

namespace netvane::gui {
namespace {

TrayActions WithHistory(TrayActions actions, std::function<void()> showHistory) {
  actions.showHistory = std::move(showHistory);
  return actions;
}

}  // namespace

DesktopIntegration::DesktopIntegration(QWidget* window, prefs::UserDefaults& defaults,
                                       TrayActions tray, DesktopOptions options)
    : defaults_(defaults),
      clock_(options.clock ? std::move(options.clock) : [] { return std::time(nullptr); }),
      log_(options.stateFolder.empty() ? prefs::EventLog() : prefs::EventLog(options.stateFolder)),
      notifier_(options.busDeadlineMs, std::move(options.debugNote)),
      tray_(WithHistory(std::move(tray), [this] { ShowHistory(); })),
      history_(new EventHistoryWindow(
          window, log_, [this](bool on) { SetNotificationsOn(on); },
          [](bool on) { return SetStartAtLogin(on); })) {
  watcher_.AddSink([this](const ConnectionEvent& event) { Record(event); });
}

void DesktopIntegration::Record(const ConnectionEvent& event) {
  const std::string line = HistoryLine(event, clock_());
  log_.Append(line);
  history_->AddLine(line);
  if (NotificationsOn()) notifier_.Show(event);
}

void DesktopIntegration::Observe(const LinkObservation& link) {
  tray_.Update(link);
  watcher_.Observe(link);
}

void DesktopIntegration::FollowJoin(const JoinReport& report) {
  switch (report.kind) {
    case JoinReport::Kind::kStarted:
      watcher_.AttemptStarted();
      return;
    case JoinReport::Kind::kJoined:
      watcher_.AttemptJoined();
      return;
    case JoinReport::Kind::kFailed:
      watcher_.AttemptFailed(report.ssid, JoinProblemText(report.problem));
      return;
  }
}

void DesktopIntegration::ShowHistory() {
  history_->Open(NotificationsOn(), system::AutostartOn());
}

std::string DesktopIntegration::SetStartAtLogin(bool on) {
  std::string reason;
  if (system::SetAutostart(on, QCoreApplication::applicationFilePath().toStdString(), reason)) {
    return {};
  }
  return reason;
}

bool DesktopIntegration::NotificationsOn() {
  return defaults_.BoolForKey(kNotificationsKey).value_or(true);
}

void DesktopIntegration::SetNotificationsOn(bool on) {
  defaults_.StoreBool(kNotificationsKey, on);
}

}  // namespace netvane::gui
