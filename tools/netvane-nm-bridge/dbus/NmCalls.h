// The calls the socket threads ask for, made on the D-Bus thread: each is queued to it, sent
// without blocking it, and waited for by the asking thread alone, for at most the time it
// gives. A reply that comes later still reaches NetworkManager's state, and so the snapshot.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <functional>

#include "core/DenialLog.h"
#include "core/NmActions.h"

namespace netvane::nmbridge {

class NmCalls : public NmActions {
 public:
  // `thread` is an object living on the D-Bus thread; calls are queued to it.
  NmCalls(QObject& thread, QDBusConnection bus, DenialLog& denials);

  void RequestScan(const std::string& devicePath) override;
  ActionResult SetWirelessEnabled(bool on, uint32_t waitMs) override;
  ActionResult Disconnect(const std::string& devicePath, uint32_t waitMs) override;
  ActionResult AddAndActivate(const JoinSettings& settings, const std::string& devicePath,
                              uint32_t waitMs) override;

 private:
  using Send = std::function<void(std::function<void(const QDBusMessage&)> done)>;
  // Runs `send` on the D-Bus thread and waits for the reply it hands to `done`.
  ActionResult Run(const char* what, Send send, uint32_t waitMs);
  void SendCall(const QDBusMessage& call, std::function<void(const QDBusMessage&)> done);

  QObject& thread_;
  QDBusConnection bus_;
  DenialLog& denials_;
};

}  // namespace netvane::nmbridge
