// Whether the session bus answers, found out without ever blocking: Qt's own connection to the
// bus waits without limit for a bus that accepts and never answers, and would take the window
// with it. The probe connects to the bus's Unix socket, sends the first line of the
// authentication and waits, in the event loop, for any answer until a deadline.
#pragma once

#include <QLocalSocket>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace netvane::gui {

// The Unix socket of the session bus: the first unix: entry of DBUS_SESSION_BUS_ADDRESS with a
// path or an abstract name, else $XDG_RUNTIME_DIR/bus when that exists. Nothing when the bus is
// only reachable some other way: such a bus is not used.
struct BusSocket {
  QString name;
  bool abstract = false;
};
std::optional<BusSocket> SessionBusSocket();

// The same question asked while nothing else runs yet, for the application's start: whether the
// bus answers the first authentication line within `deadlineMs`.
bool SessionBusAnswersWithin(int deadlineMs);

class SessionBusProbe {
 public:
  // Starts at once; `done` runs once from the event loop: true when the bus answered, false
  // when there is none, it closed the connection, or `deadlineMs` passed first. `done` must not
  // destroy the probe.
  SessionBusProbe(int deadlineMs, std::function<void(bool answered)> done);

 private:
  void Finish(bool answered);

  QLocalSocket socket_;
  QTimer deadline_;
  std::function<void(bool)> done_;
};

}  // namespace netvane::gui
