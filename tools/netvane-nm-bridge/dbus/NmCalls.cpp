#include "dbus/NmCalls.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QMetaObject>
#include <chrono>
#include <future>
#include <memory>

#include "dbus/NmNames.h"
#include "dbus/SettingsDict.h"
#include "driverkit/ServiceLog.h"

namespace netvane::nmbridge {
namespace {

// NetworkManager may hold a call while polkit asks; the asker has long given up by then, but
// the call is left to finish so NetworkManager's state stays whole.
constexpr int kCallTimeoutMs = 25000;

QString Str(const char* s) {
  return QString::fromLatin1(s);
}

ActionResult ResultOf(const QDBusMessage& reply) {
  if (reply.type() == QDBusMessage::ReplyMessage) return {ActionOutcome::kDone, {}};
  const std::string detail =
      reply.errorName().toStdString() + ": " + reply.errorMessage().toStdString();
  if (reply.errorName() == QLatin1String(kPermissionDenied)) {
    return {ActionOutcome::kDenied, detail};
  }
  return {ActionOutcome::kFailed, detail};
}

}  // namespace

NmCalls::NmCalls(QObject& thread, QDBusConnection bus, DenialLog& denials)
    : thread_(thread), bus_(std::move(bus)), denials_(denials) {
  RegisterSettingsType();
}

void NmCalls::SendCall(const QDBusMessage& call, std::function<void(const QDBusMessage&)> done) {
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), &thread_);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &thread_,
                   [watcher, done = std::move(done)] {
                     done(watcher->reply());
                     watcher->deleteLater();
                   });
}

ActionResult NmCalls::Run(const char* what, Send send, uint32_t waitMs) {
  auto promise = std::make_shared<std::promise<ActionResult>>();
  std::future<ActionResult> answer = promise->get_future();
  const std::string name = what;
  QMetaObject::invokeMethod(
      &thread_,
      [send = std::move(send), promise, name] {
        send([promise, name](const QDBusMessage& reply) {
          const ActionResult result = ResultOf(reply);
          driverkit::ServiceDebug(name + (result.outcome == ActionOutcome::kDone
                                              ? std::string(": done")
                                              : ": " + result.detail));
          promise->set_value(result);
        });
      },
      Qt::QueuedConnection);
  if (answer.wait_for(std::chrono::milliseconds(waitMs)) != std::future_status::ready) {
    driverkit::ServiceDebug(name + ": no answer in time");
    return {ActionOutcome::kTimedOut, "no answer in time"};
  }
  return answer.get();
}

void NmCalls::RequestScan(const std::string& devicePath) {
  const QString path = QString::fromStdString(devicePath);
  QMetaObject::invokeMethod(
      &thread_,
      [this, path] {
        QDBusMessage call = QDBusMessage::createMethodCall(
            Str(kNmService), path, Str(kWirelessInterface), QStringLiteral("RequestScan"));
        call << QVariantMap{};
        SendCall(call, [this](const QDBusMessage& reply) {
          const ActionResult result = ResultOf(reply);
          // A scan already running answers NotAllowed: the one running will do.
          if (result.outcome == ActionOutcome::kDenied) denials_.Denied(kActionWifiScan);
          if (result.outcome != ActionOutcome::kDone) {
            driverkit::ServiceDebug("RequestScan: " + result.detail);
          }
        });
      },
      Qt::QueuedConnection);
}

ActionResult NmCalls::SetWirelessEnabled(bool on, uint32_t waitMs) {
  return Run(
      "WirelessEnabled",
      [this, on](std::function<void(const QDBusMessage&)> done) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            Str(kNmService), Str(kNmPath), Str(kPropertiesInterface), QStringLiteral("Set"));
        call << Str(kNmInterface) << QStringLiteral("WirelessEnabled")
             << QVariant::fromValue(QDBusVariant(on));
        SendCall(call, std::move(done));
      },
      waitMs);
}

ActionResult NmCalls::Disconnect(const std::string& devicePath, uint32_t waitMs) {
  const QString path = QString::fromStdString(devicePath);
  return Run(
      "Disconnect",
      [this, path](std::function<void(const QDBusMessage&)> done) {
        SendCall(QDBusMessage::createMethodCall(Str(kNmService), path, Str(kDeviceInterface),
                                                QStringLiteral("Disconnect")),
                 std::move(done));
      },
      waitMs);
}

ActionResult NmCalls::AddAndActivate(const JoinSettings& settings, const std::string& devicePath,
                                     uint32_t waitMs) {
  auto join = std::make_shared<JoinSettings>(settings);
  const QString path = QString::fromStdString(devicePath);
  return Run(
      "AddAndActivateConnection2",
      [this, join, path](std::function<void(const QDBusMessage&)> done) {
        SettingsDict dict = ToSettingsDict(*join);
        const QString specific = QString::fromStdString(join->specificObject);
        *join = JoinSettings{};  // the copy's keys are wiped as it goes
        {
          QDBusMessage call =
              QDBusMessage::createMethodCall(Str(kNmService), Str(kNmPath), Str(kNmInterface),
                                             QStringLiteral("AddAndActivateConnection2"));
          call << QVariant::fromValue(dict.settings) << QVariant::fromValue(QDBusObjectPath(path))
               << QVariant::fromValue(QDBusObjectPath(specific))
               << QVariantMap{{QStringLiteral("persist"), QStringLiteral("volatile")}};
          dict.settings.clear();
          SendCall(call, std::move(done));
        }
        WipeKeys(dict.keys);
      },
      waitMs);
}

}  // namespace netvane::nmbridge
