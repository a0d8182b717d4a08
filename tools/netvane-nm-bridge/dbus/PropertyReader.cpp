#include "dbus/PropertyReader.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <algorithm>

namespace netvane::nmbridge {
namespace {

constexpr int kMacLength = 6;
constexpr int kMaxSsidLength = 32;

uint32_t U32(const QVariantMap& map, const char* key, uint32_t fallback = 0) {
  bool ok = false;
  const uint32_t v = map.value(QString::fromLatin1(key)).toUInt(&ok);
  return ok ? v : fallback;
}

std::string Text(const QVariantMap& map, const char* key) {
  return map.value(QString::fromLatin1(key)).toString().toStdString();
}

std::optional<uint64_t> U64(const QVariantMap& map, const char* key) {
  const QVariant v = map.value(QString::fromLatin1(key));
  bool ok = false;
  const qulonglong n = v.toULongLong(&ok);
  if (!v.isValid() || !ok) return std::nullopt;
  return static_cast<uint64_t>(n);
}

}  // namespace

QString ObjectPathOf(const QVariant& value) {
  QString path;
  if (value.canConvert<QDBusObjectPath>()) path = value.value<QDBusObjectPath>().path();
  return path.isEmpty() ? QStringLiteral("/") : path;
}

QList<QString> ObjectPathsOf(const QVariant& value) {
  QList<QDBusObjectPath> paths;
  if (value.canConvert<QDBusArgument>()) {
    const auto arg = value.value<QDBusArgument>();
    if (arg.currentSignature() == QLatin1String("ao")) arg >> paths;
  } else if (value.canConvert<QList<QDBusObjectPath>>()) {
    paths = value.value<QList<QDBusObjectPath>>();
  }
  QList<QString> out;
  for (const QDBusObjectPath& p : paths) {
    if (!p.path().isEmpty() && p.path() != QLatin1String("/")) out.push_back(p.path());
  }
  return out;
}

bool ParseHwAddress(const QString& text, driverkit::Mac& out) {
  const QStringList parts = text.split(QLatin1Char(':'));
  if (parts.size() != kMacLength) return false;
  driverkit::Mac mac{};
  for (int i = 0; i < kMacLength; ++i) {
    bool ok = false;
    const uint v = parts[i].toUInt(&ok, 16);
    if (!ok || parts[i].size() != 2 || v > 0xFF) return false;
    mac[static_cast<std::size_t>(i)] = static_cast<uint8_t>(v);
  }
  out = mac;
  return true;
}

AccessPointState AccessPointFrom(const QString& path, const QVariantMap& ap) {
  AccessPointState s;
  s.path = path.toStdString();
  const QByteArray ssid = ap.value(QStringLiteral("Ssid")).toByteArray();
  s.ssid.assign(ssid.constData(),
                static_cast<std::size_t>(std::min<qsizetype>(ssid.size(), kMaxSsidLength)));
  ParseHwAddress(ap.value(QStringLiteral("HwAddress")).toString(), s.bssid);
  s.frequencyMHz = U32(ap, "Frequency");
  s.strength = static_cast<uint8_t>(std::min<uint32_t>(U32(ap, "Strength"), 100));
  s.flags = U32(ap, "Flags");
  s.wpaFlags = U32(ap, "WpaFlags");
  s.rsnFlags = U32(ap, "RsnFlags");
  s.maxBitrateKbps = U32(ap, "MaxBitrate");
  s.mode = U32(ap, "Mode", kModeInfrastructure);
  return s;
}

DeviceState DeviceFrom(const QString& path, const QVariantMap& device, const QVariantMap& wireless,
                       const QVariantMap& statistics) {
  DeviceState s;
  s.path = path.toStdString();
  s.interface = Text(device, "Interface");
  if (!ParseHwAddress(wireless.value(QStringLiteral("HwAddress")).toString(), s.hwAddress)) {
    ParseHwAddress(device.value(QStringLiteral("HwAddress")).toString(), s.hwAddress);
  }
  s.driver = Text(device, "Driver");
  s.driverVersion = Text(device, "DriverVersion");
  s.firmwareVersion = Text(device, "FirmwareVersion");
  s.state = U32(device, "State");
  s.capabilities = U32(wireless, "WirelessCapabilities");
  s.bitrateKbps = U32(wireless, "Bitrate");
  s.activeAccessPoint =
      ObjectPathOf(wireless.value(QStringLiteral("ActiveAccessPoint"))).toStdString();
  s.activeConnection = ObjectPathOf(device.value(QStringLiteral("ActiveConnection"))).toStdString();
  s.txBytes = U64(statistics, "TxBytes");
  s.rxBytes = U64(statistics, "RxBytes");
  return s;
}

}  // namespace netvane::nmbridge
