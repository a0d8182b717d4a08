#include "dbus/SettingsDict.h"

#include <QDBusMetaType>
#include <QStringList>

namespace netvane::nmbridge {
namespace {

QString KeyText(const driverkit::SecretText& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray BytesOf(const std::string& bytes) {
  return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

}  // namespace

SettingsDict ToSettingsDict(const JoinSettings& join) {
  SettingsDict out;
  QVariantMap connection;
  connection.insert(QStringLiteral("id"), QString::fromStdString(join.id));
  connection.insert(QStringLiteral("type"), QStringLiteral("802-11-wireless"));
  connection.insert(QStringLiteral("uuid"), QString::fromStdString(join.uuid));
  connection.insert(QStringLiteral("permissions"),
                    QStringList{QString::fromStdString(join.permissionUser)});
  out.settings.insert(QStringLiteral("connection"), connection);

  QVariantMap wireless;
  wireless.insert(QStringLiteral("ssid"), BytesOf(join.ssid));
  wireless.insert(QStringLiteral("mode"), QString::fromStdString(join.mode));
  if (join.bssid) {
    wireless.insert(QStringLiteral("bssid"),
                    QByteArray(reinterpret_cast<const char*>(join.bssid->data()),
                               static_cast<qsizetype>(join.bssid->size())));
  }
  if (join.hidden) wireless.insert(QStringLiteral("hidden"), true);
  if (join.band) wireless.insert(QStringLiteral("band"), QString::fromStdString(*join.band));
  if (join.channel) wireless.insert(QStringLiteral("channel"), uint{*join.channel});
  if (join.powersave) wireless.insert(QStringLiteral("powersave"), uint{*join.powersave});
  out.settings.insert(QStringLiteral("802-11-wireless"), wireless);

  if (!join.security) return out;
  const WirelessSecurity& sec = *join.security;
  QVariantMap security;
  security.insert(QStringLiteral("key-mgmt"), QString::fromStdString(sec.keyMgmt));
  if (!sec.psk.empty()) {
    out.keys.push_back(KeyText(sec.psk));
    security.insert(QStringLiteral("psk"), out.keys.back());
  }
  if (!sec.authAlg.empty()) {
    security.insert(QStringLiteral("auth-alg"), QString::fromStdString(sec.authAlg));
  }
  for (std::size_t slot = 0; slot < sec.wepKeys.size(); ++slot) {
    if (sec.wepKeys[slot].empty()) continue;
    out.keys.push_back(KeyText(sec.wepKeys[slot]));
    security.insert(QStringLiteral("wep-key%1").arg(slot), out.keys.back());
  }
  if (sec.wepTxKeyIdx) security.insert(QStringLiteral("wep-tx-keyidx"), uint{*sec.wepTxKeyIdx});
  if (sec.wep) security.insert(QStringLiteral("wep-key-type"), uint{1});
  out.settings.insert(QStringLiteral("802-11-wireless-security"), security);
  return out;
}

void WipeKeys(QList<QString>& keys) {
  for (QString& key : keys) {
    if (!key.isDetached()) continue;  // still shared: writing would only touch a copy
    std::fill(key.data(), key.data() + key.size(), QChar(u'\0'));
  }
  keys.clear();
}

void RegisterSettingsType() {
  qDBusRegisterMetaType<ConnectionSettings>();
}

}  // namespace netvane::nmbridge
