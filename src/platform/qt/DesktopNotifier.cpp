#include "platform/qt/DesktopNotifier.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include "platform/qt/TextCodec.h"

namespace netvane::qt {
namespace {

// The notification categories the desktop may use to pick a sound or an icon.
QString CategoryOf(EventKind kind) {
  switch (kind) {
    case EventKind::kJoined:
    case EventKind::kReconnected:
      return QStringLiteral("network.connected");
    case EventKind::kLost:
      return QStringLiteral("network.disconnected");
    case EventKind::kAdapterRemoved:
      return QStringLiteral("device.removed");
    case EventKind::kAdapterBack:
      return QStringLiteral("device.added");
    case EventKind::kReconnectFailed:
      return QStringLiteral("network.error");
  }
  return QStringLiteral("network");
}

}  // namespace

QString NotificationBody(const ConnectionEvent& event) {
  return QString::fromStdString(WordsFor(event, ToStd(ToQt(event.ssid).toHtmlEscaped())).body);
}

bool DesktopNotifier::Show(const ConnectionEvent& event) {
  if (!bus_.isConnected()) return false;
  const EventWords words = WordsFor(event, {});
  QDBusMessage call =
      QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                     QString::fromLatin1(kService), QStringLiteral("Notify"));
  const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("com.corvane.Netvane")},
                          {QStringLiteral("category"), CategoryOf(event.kind)},
                          {QStringLiteral("urgency"), QVariant::fromValue(uchar{1})}};
  call << QStringLiteral("Netvane") << uint{0} << QStringLiteral("com.corvane.Netvane")
       << QString::fromStdString(words.summary) << NotificationBody(event) << QStringList() << hints
       << -1;
  return bus_.send(call);
}

}  // namespace netvane::qt
