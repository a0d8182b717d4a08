// Connection events as desktop notifications, through the session's notification service
// (org.freedesktop.Notifications over D-Bus). Sent without waiting for an answer: a missing or
// slow service must never hold up the window.
#pragma once

#include <QDBusConnection>

#include "status/ConnectionEvents.h"

namespace netvane::qt {

// The notification's body: servers may read it as markup, so a network called "<b>" must show
// as written.
QString NotificationBody(const ConnectionEvent& event);

class DesktopNotifier {
 public:
  static constexpr const char* kService = "org.freedesktop.Notifications";
  static constexpr const char* kPath = "/org/freedesktop/Notifications";

  explicit DesktopNotifier(QDBusConnection bus) : bus_(std::move(bus)) {}

  // False when there is no session bus to send it on.
  bool Show(const ConnectionEvent& event);

 private:
  QDBusConnection bus_;
};

}  // namespace netvane::qt
