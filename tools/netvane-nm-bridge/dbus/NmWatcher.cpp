#include "dbus/NmWatcher.h"

#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusServiceWatcher>

#include "dbus/NmNames.h"
#include "dbus/PropertyReader.h"
#include "driverkit/ServiceLog.h"

namespace netvane::nmbridge {
namespace {

// A read that NetworkManager does not answer in this time counts as failed; the socket side
// never waits for it, it answers from what was read before.
constexpr int kReadTimeoutMs = 2000;

QString Str(const char* s) {
  return QString::fromLatin1(s);
}

}  // namespace

NmWatcher::NmWatcher(QDBusConnection bus, Snapshot& snapshot, DenialLog& denials,
                     std::string onlyInterface, DeviceEvents events)
    : bus_(std::move(bus)),
      snapshot_(snapshot),
      denials_(denials),
      onlyInterface_(std::move(onlyInterface)),
      events_(std::move(events)) {
  qDBusRegisterMetaType<QMap<QString, QString>>();
}

void NmWatcher::Start() {
  ownerWatch_ = new QDBusServiceWatcher(Str(kNmService), bus_,
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
  connect(ownerWatch_, &QDBusServiceWatcher::serviceOwnerChanged, this,
          [this](const QString& /*name*/, const QString& /*old*/, const QString& owner) {
            ForgetAll();
            if (!owner.isEmpty()) LoadAll();
          });
  // Every object of NetworkManager's: an empty path matches them all.
  bus_.connect(Str(kNmService), QString(), Str(kPropertiesInterface),
               QStringLiteral("PropertiesChanged"), this,
               SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
  bus_.connect(Str(kNmService), Str(kNmPath), Str(kNmInterface), QStringLiteral("DeviceRemoved"),
               this, SLOT(OnDeviceRemoved(QDBusObjectPath)));
  bus_.connect(Str(kNmService), Str(kNmPath), Str(kNmInterface), QStringLiteral("CheckPermissions"),
               this, SLOT(OnCheckPermissions()));
  LoadAll();
}

QVariantMap NmWatcher::GetAll(const QString& path, const char* interface, bool* ok) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      Str(kNmService), path, Str(kPropertiesInterface), QStringLiteral("GetAll"));
  call << Str(interface);
  const QDBusMessage reply = bus_.call(call, QDBus::Block, kReadTimeoutMs);
  const bool good = reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1;
  if (ok != nullptr) *ok = good;
  if (!good) {
    driverkit::ServiceDebug("cannot read " + std::string(interface) + " of " + path.toStdString() +
                            ": " + reply.errorName().toStdString());
    return {};
  }
  return qdbus_cast<QVariantMap>(reply.arguments().at(0));
}

void NmWatcher::LoadAll() {
  bool ok = false;
  QVariantMap manager = GetAll(Str(kNmPath), kNmInterface, &ok);
  if (!ok) return;  // not on the bus: its arrival reads everything
  driverkit::ServiceDebug("NetworkManager " +
                          manager.value(QStringLiteral("Version")).toString().toStdString());
  props_[Str(kNmPath)][Str(kNmInterface)] = std::move(manager);
  LoadPermissions();
  PublishManager();
  SyncDevices();
}

void NmWatcher::ForgetAll() {
  const std::set<QString> served = served_;
  for (const QString& path : served) DropDevice(path);
  props_.clear();
  devices_.clear();
  ignored_.clear();
  snapshot_.Clear();
}

void NmWatcher::LoadPermissions() {
  const QDBusMessage call = QDBusMessage::createMethodCall(
      Str(kNmService), Str(kNmPath), Str(kNmInterface), QStringLiteral("GetPermissions"));
  const QDBusMessage reply = bus_.call(call, QDBus::Block, kReadTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
    driverkit::ServiceDebug("cannot read the permissions: " + reply.errorName().toStdString());
    return;  // nothing known: every call is tried, and a refusal answers for itself
  }
  const auto map = qdbus_cast<QMap<QString, QString>>(reply.arguments().at(0));
  permissions_.clear();
  for (auto it = map.begin(); it != map.end(); ++it) {
    permissions_[it.key().toStdString()] = it.value().toStdString();
    if (it.value() == QLatin1String("yes")) denials_.Granted(it.key().toStdString());
  }
}

void NmWatcher::PublishManager() {
  const QVariantMap& m = props_[Str(kNmPath)][Str(kNmInterface)];
  ManagerState state;
  state.wirelessEnabled = m.value(QStringLiteral("WirelessEnabled")).toBool();
  state.wirelessHardwareEnabled = m.value(QStringLiteral("WirelessHardwareEnabled")).toBool();
  state.permissions = permissions_;
  snapshot_.SetManager(std::move(state));
}

void NmWatcher::SyncDevices() {
  const QList<QString> listed =
      ObjectPathsOf(props_[Str(kNmPath)][Str(kNmInterface)].value(QStringLiteral("Devices")));
  const std::set<QString> now(listed.begin(), listed.end());
  const std::set<QString> known = devices_;
  for (const QString& path : known) {
    if (now.count(path) == 0) DropDevice(path);
  }
  for (const QString& path : listed) {
    if (devices_.count(path) == 0 && ignored_.count(path) == 0) LoadDevice(path);
  }
}

void NmWatcher::LoadDevice(const QString& path) {
  bool ok = false;
  QVariantMap device = GetAll(path, kDeviceInterface, &ok);
  if (!ok) return;
  const bool wifi = device.value(QStringLiteral("DeviceType")).toUInt() == kDeviceTypeWifi;
  const std::string interface = device.value(QStringLiteral("Interface")).toString().toStdString();
  if (!wifi || (!onlyInterface_.empty() && interface != onlyInterface_)) {
    ignored_.insert(path);
    return;
  }
  QVariantMap wireless = GetAll(path, kWirelessInterface, &ok);
  if (!ok) return;
  auto& entry = props_[path];
  entry[Str(kDeviceInterface)] = std::move(device);
  entry[Str(kWirelessInterface)] = std::move(wireless);
  entry[Str(kStatisticsInterface)] = GetAll(path, kStatisticsInterface);
  devices_.insert(path);
  // Byte counts are published only while a refresh rate is set; a refusal leaves sysfs.
  QDBusMessage set = QDBusMessage::createMethodCall(
      Str(kNmService), path, Str(kPropertiesInterface), QStringLiteral("Set"));
  set << Str(kStatisticsInterface) << QStringLiteral("RefreshRateMs")
      << QVariant::fromValue(QDBusVariant(QVariant::fromValue(uint{1000})));
  bus_.asyncCall(set, kReadTimeoutMs);
  LoadMissingAccessPoints(path);
  PublishDevice(path);
}

void NmWatcher::LoadMissingAccessPoints(const QString& devicePath) {
  const QVariantMap& wireless = props_[devicePath][Str(kWirelessInterface)];
  QList<QString> wanted = ObjectPathsOf(wireless.value(QStringLiteral("AccessPoints")));
  const QString active = ObjectPathOf(wireless.value(QStringLiteral("ActiveAccessPoint")));
  if (active != QLatin1String("/")) wanted.push_back(active);
  for (const QString& ap : wanted) {
    if (props_.count(ap) != 0) continue;
    bool ok = false;
    QVariantMap values = GetAll(ap, kAccessPointInterface, &ok);
    if (ok) props_[ap][Str(kAccessPointInterface)] = std::move(values);
  }
  PruneAccessPoints();
}

// Access points come and go with every scan: forget those no device lists any more.
void NmWatcher::PruneAccessPoints() {
  std::set<QString> listed;
  for (const QString& device : devices_) {
    const QVariantMap& wireless = props_[device][Str(kWirelessInterface)];
    for (const QString& ap : ObjectPathsOf(wireless.value(QStringLiteral("AccessPoints")))) {
      listed.insert(ap);
    }
    listed.insert(ObjectPathOf(wireless.value(QStringLiteral("ActiveAccessPoint"))));
  }
  for (auto it = props_.begin(); it != props_.end();) {
    const bool accessPoint = it->second.count(Str(kAccessPointInterface)) != 0;
    it = accessPoint && listed.count(it->first) == 0 ? props_.erase(it) : std::next(it);
  }
}

void NmWatcher::DropDevice(const QString& path) {
  devices_.erase(path);
  props_.erase(path);
  snapshot_.RemoveDevice(path.toStdString());
  if (served_.erase(path) != 0 && events_.down) events_.down(path.toStdString());
}

void NmWatcher::PublishDevice(const QString& path) {
  auto& entry = props_[path];
  const QVariantMap& wireless = entry[Str(kWirelessInterface)];
  DeviceState state =
      DeviceFrom(path, entry[Str(kDeviceInterface)], wireless, entry[Str(kStatisticsInterface)]);
  QList<QString> aps = ObjectPathsOf(wireless.value(QStringLiteral("AccessPoints")));
  const QString active = QString::fromStdString(state.activeAccessPoint);
  if (active != QLatin1String("/") && !aps.contains(active)) aps.push_back(active);
  for (const QString& ap : aps) {
    const auto found = props_.find(ap);
    if (found == props_.end()) continue;
    AccessPointState apState = AccessPointFrom(ap, found->second[Str(kAccessPointInterface)]);
    // Access points and mesh points are not networks a station joins.
    if (apState.mode == kModeAdhoc || apState.mode == kModeInfrastructure) {
      state.accessPoints.push_back(std::move(apState));
    }
  }
  const bool managed = state.state != kDeviceUnmanaged && !state.interface.empty();
  if (!managed) {
    snapshot_.RemoveDevice(state.path);
    if (served_.erase(path) != 0 && events_.down) events_.down(state.path);
    return;
  }
  snapshot_.SetDevice(state);
  if (served_.insert(path).second && events_.up) events_.up(state);
}

void NmWatcher::OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                    const QStringList& /*invalidated*/,
                                    const QDBusMessage& message) {
  const QString path = message.path();
  const auto found = props_.find(path);
  if (found == props_.end()) return;  // an object the bridge does not follow
  QVariantMap& values = found->second[interface];
  for (auto it = changed.begin(); it != changed.end(); ++it) values.insert(it.key(), it.value());
  if (path == QLatin1String(kNmPath)) {
    if (interface != QLatin1String(kNmInterface)) return;
    PublishManager();
    if (changed.contains(QStringLiteral("Devices"))) SyncDevices();
    return;
  }
  if (devices_.count(path) != 0) {
    if (interface == QLatin1String(kWirelessInterface)) LoadMissingAccessPoints(path);
    PublishDevice(path);
    return;
  }
  // An access point: every device that lists it answers from the new values.
  const std::string ap = path.toStdString();
  for (const QString& device : devices_) {
    const auto view = snapshot_.View(device.toStdString());
    if (!view.device) continue;
    for (const AccessPointState& a : view.device->accessPoints) {
      if (a.path == ap) {
        PublishDevice(device);
        break;
      }
    }
  }
}

void NmWatcher::OnDeviceRemoved(const QDBusObjectPath& path) {
  if (devices_.count(path.path()) != 0) DropDevice(path.path());
  ignored_.erase(path.path());
}

void NmWatcher::OnCheckPermissions() {
  LoadPermissions();
  PublishManager();
}

}  // namespace netvane::nmbridge
