// Stands in for the desktop's notification service on a private session bus: owns
// org.freedesktop.Notifications, appends every Notify call to a file as one JSON line, and
// answers GetServerInformation so that a test can make sure every earlier call has arrived.
// Usage: fake-notification-service LOGFILE READY_FD; writes a newline to READY_FD once it serves.
#include <unistd.h>

#include <cstdlib>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class FakeNotifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  explicit FakeNotifications(QString path) : log_(std::move(path)) {}

 public slots:  // NOLINT(readability-redundant-access-specifiers) Qt's slot section
  uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
              const QString& body, const QStringList& actions, const QVariantMap& hints,
              int timeout) {
    QJsonObject hintObject;
    for (auto it = hints.begin(); it != hints.end(); ++it) {
      hintObject.insert(it.key(), QJsonValue::fromVariant(it.value()));
    }
    const QJsonObject call{{"app", app},          {"replaces", static_cast<qint64>(replaces)},
                           {"icon", icon},        {"summary", summary},
                           {"body", body},        {"actions", QJsonValue::fromVariant(actions)},
                           {"hints", hintObject}, {"timeout", timeout}};
    QFile file(log_);
    if (file.open(QIODevice::Append)) {
      file.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
    }
    return ++last_;
  }
  QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
    vendor = QStringLiteral("Netvane tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("fake-notification-service");
  }

 private:
  QString log_;
  uint last_ = 0;
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  FakeNotifications service{QString::fromLocal8Bit(argv[1])};
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
    return 1;
  }
  const int ready = std::atoi(argv[2]);
  if (write(ready, "\n", 1) != 1) return 1;
  close(ready);
  return QCoreApplication::exec();
}

#include "FakeNotificationService.moc"
