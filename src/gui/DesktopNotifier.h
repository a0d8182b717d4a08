// Connection events as desktop notifications, through the session's notification service
// (org.freedesktop.Notifications over D-Bus). A missing, slow or silent bus must never hold up
// the window: the bus is first reached by a SessionBusProbe, events wait (a bounded number)
// until it answers, and each is sent without waiting for an answer. A notification replaces the
// one before it on the same topic (the link, the adapter), so a flapping link shows one, not a
// stack: the id the service returned for the last is handed back as `replaces_id`, which is why
// one call is answered before the next goes out.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "gui/SessionBusProbe.h"
#include "status/ConnectionEvents.h"

namespace netvane::gui {

// The notification's body: servers may read it as markup, so a network called "<b>" must show
// as written.
QString NotificationBody(const ConnectionEvent& event);

class DesktopNotifier {
 public:
  static constexpr const char* kService = "org.freedesktop.Notifications";
  static constexpr const char* kPath = "/org/freedesktop/Notifications";
  // Events kept while the bus has not answered yet; older ones make room for newer ones.
  static constexpr std::size_t kMaxWaiting = 8;
  static constexpr int kBusDeadlineMs = 5000;

  enum class Bus { kWaiting, kConnected, kNone };

  // Starts reaching the session bus. `debugNote` gets one line when the waiting events are
  // dropped because no bus answered within `deadlineMs`.
  DesktopNotifier(int deadlineMs, std::function<void(const std::string&)> debugNote);

  void Show(const ConnectionEvent& event);

  Bus State() const { return state_; }
  // Events not yet handed to the bus: waiting for it, or for the answer to the call before.
  std::size_t Waiting() const { return waiting_.size(); }
  // Every event shown so far has been answered by the service, or dropped.
  bool Settled() const { return state_ != Bus::kWaiting && waiting_.empty() && !inFlight_; }

 private:
  void Reached(bool answered);
  void Queue(const ConnectionEvent& event);
  void Send(const ConnectionEvent& event);
  void Answered(std::size_t topic, uint id);

  Bus state_ = Bus::kWaiting;
  bool inFlight_ = false;
  std::array<uint, 2> lastId_{};  // per topic; 0: nothing to replace
  QObject answers_;               // the context the answers arrive in
  std::function<void(const std::string&)> debugNote_;
  std::deque<ConnectionEvent> waiting_;
  std::optional<QDBusConnection> bus_;
  SessionBusProbe probe_;  // last: its answer may come once the rest is ready
};

}  // namespace netvane::gui
