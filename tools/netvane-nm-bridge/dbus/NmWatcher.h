// Follows NetworkManager on the system bus and keeps the snapshot current: reads every Wi-Fi
// device and its access points when NetworkManager appears, applies its PropertiesChanged
// signals as they come, and says when a device's socket should come or go. Lives on the D-Bus
// thread (the main thread); never touches a socket.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "core/DenialLog.h"
#include "core/Snapshot.h"

class QDBusServiceWatcher;

namespace netvane::nmbridge {

struct DeviceEvents {
  std::function<void(const DeviceState&)> up;    // a managed Wi-Fi device to serve
  std::function<void(const std::string&)> down;  // its path: removed, unmanaged or NM gone
};

class NmWatcher : public QObject {
  Q_OBJECT

 public:
  // `onlyInterface` empty: every Wi-Fi device.
  NmWatcher(QDBusConnection bus, Snapshot& snapshot, DenialLog& denials, std::string onlyInterface,
            DeviceEvents events);

  // Subscribes, then reads what NetworkManager has now (nothing when it is not on the bus).
  void Start();

 private slots:
  void OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated, const QDBusMessage& message);
  void OnDeviceRemoved(const QDBusObjectPath& path);
  void OnCheckPermissions();

 private:
  void LoadAll();
  void ForgetAll();
  void SyncDevices();
  void LoadDevice(const QString& path);
  void DropDevice(const QString& path);
  void LoadMissingAccessPoints(const QString& devicePath);
  void PruneAccessPoints();
  void LoadPermissions();
  void PublishDevice(const QString& path);
  void PublishManager();
  QVariantMap GetAll(const QString& path, const char* interface, bool* ok = nullptr);

  QDBusConnection bus_;
  Snapshot& snapshot_;
  DenialLog& denials_;
  std::string onlyInterface_;
  DeviceEvents events_;
  QDBusServiceWatcher* ownerWatch_ = nullptr;
  // path → interface → properties, for the manager, the Wi-Fi devices and their access points.
  std::map<QString, std::map<QString, QVariantMap>> props_;
  std::set<QString> devices_;  // Wi-Fi devices read (served or not)
  std::set<QString> ignored_;  // devices of other types, or other interfaces
  std::set<QString> served_;   // devices whose socket is up
  std::map<std::string, std::string> permissions_;
};

}  // namespace netvane::nmbridge
