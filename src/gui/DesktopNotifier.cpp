#include "gui/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
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
    case EventKind::kAdapterFound:
      return QStringLiteral("device.added");
    case EventKind::kReconnectFailed:
    case EventKind::kJoinFailed:
      return QStringLiteral("network.error");
  }
  return QStringLiteral("network");
}

// The topic a notification replaces its predecessor in: 0 the link, 1 the adapter.
std::size_t TopicOf(EventKind kind) {
  switch (kind) {
    case EventKind::kAdapterRemoved:
    case EventKind::kAdapterBack:
    case EventKind::kAdapterFound:
      return 1;
    default:
      return 0;
  }
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
  if (state_ == Bus::kConnected) {
    if (!waiting_.empty()) {
      const ConnectionEvent first = waiting_.front();
      waiting_.pop_front();
      Send(first);
    }
  } else {
    waiting_.clear();
  }
}

void DesktopNotifier::Queue(const ConnectionEvent& event) {
  if (waiting_.size() == kMaxWaiting) waiting_.pop_front();
  waiting_.push_back(event);
}

void DesktopNotifier::Show(const ConnectionEvent& event) {
  switch (state_) {
    case Bus::kWaiting:
      Queue(event);
      return;
    case Bus::kConnected:
      if (inFlight_) {
        Queue(event);
      } else {
        Send(event);
      }
      return;
    case Bus::kNone:
      return;
  }
}

void DesktopNotifier::Answered(std::size_t topic, uint id) {
  inFlight_ = false;
  if (id != 0) lastId_.at(topic) = id;
  if (waiting_.empty()) return;
  const ConnectionEvent next = waiting_.front();
  waiting_.pop_front();
  Send(next);
}

void DesktopNotifier::Send(const ConnectionEvent& event) {
  const EventWords words = WordsFor(event, {});
  QDBusMessage call =
      QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                     QString::fromLatin1(kService), QStringLiteral("Notify"));
  const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("com.corvane.Netvane")},
                          {QStringLiteral("category"), CategoryOf(event.kind)},
                          {QStringLiteral("urgency"), QVariant::fromValue(uchar{1})}};
  const std::size_t topic = TopicOf(event.kind);
  call << QStringLiteral("Netvane") << lastId_.at(topic) << QStringLiteral("com.corvane.Netvane")
       << QString::fromStdString(words.summary) << NotificationBody(event) << QStringList() << hints
       << -1;
  inFlight_ = true;
  // An error or no answer within the deadline leaves the id as it was; the queue goes on.
  auto* answer = new QDBusPendingCallWatcher(bus_->asyncCall(call, kBusDeadlineMs), &answers_);
  QObject::connect(answer, &QDBusPendingCallWatcher::finished, &answers_,
                   [this, topic](QDBusPendingCallWatcher* done) {
                     const QDBusPendingReply<uint> reply = *done;
                     done->deleteLater();
                     Answered(topic, reply.isValid() ? reply.value() : 0);
                   });
}

}  // namespace netvane::gui
