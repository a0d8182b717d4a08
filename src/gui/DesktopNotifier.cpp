#include "gui/DesktopNotifier.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include "gui/TextCodec.h"

namespace netvane::gui {
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
    case EventKind::kJoinFailed:
      return QStringLiteral("network.error");
  }
  return QStringLiteral("network");
}

}  // namespace

QString NotificationBody(const ConnectionEvent& event) {
  return QString::fromStdString(WordsFor(event, ToStd(ToQtLine(event.ssid).toHtmlEscaped())).body);
}

DesktopNotifier::DesktopNotifier(int deadlineMs, std::function<void(const std::string&)> debugNote)
    : debugNote_(std::move(debugNote)),
      probe_(deadlineMs, [this](bool answered) { Reached(answered); }) {}

void DesktopNotifier::Reached(bool answered) {
  if (answered) {
    // The bus has shown it answers: connecting now does not wait for long.
    bus_ = QDBusConnection::sessionBus();
    state_ = bus_->isConnected() ? Bus::kConnected : Bus::kNone;
  } else {
    state_ = Bus::kNone;
  }
  if (state_ == Bus::kNone && !waiting_.empty() && debugNote_) {
    const std::size_t n = waiting_.size();
    debugNote_("netvane: the session bus did not answer; " + std::to_string(n) +
               (n == 1 ? " notification" : " notifications") + " dropped");
  }
  std::deque<ConnectionEvent> waiting;
  waiting.swap(waiting_);
  if (state_ == Bus::kConnected) {
    for (const ConnectionEvent& event : waiting) Send(event);
  }
}

void DesktopNotifier::Show(const ConnectionEvent& event) {
  switch (state_) {
    case Bus::kWaiting:
      if (waiting_.size() == kMaxWaiting) waiting_.pop_front();
      waiting_.push_back(event);
      return;
    case Bus::kConnected:
      Send(event);
      return;
    case Bus::kNone:
      return;
  }
}

void DesktopNotifier::Send(const ConnectionEvent& event) {
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
  bus_->send(call);
}

}  // namespace netvane::gui
