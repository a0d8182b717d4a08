// A join's settings as NetworkManager's a{sa{sv}}. The key text is held in `keys` so the caller
// can wipe it once the message that shared it is gone.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include "core/JoinSettings.h"

namespace netvane::nmbridge {

using ConnectionSettings = QMap<QString, QVariantMap>;

struct SettingsDict {
  ConnectionSettings settings;
  QList<QString> keys;  // the psk and WEP key strings the settings share
};

SettingsDict ToSettingsDict(const JoinSettings& join);

// Overwrites each key string in place. Call once nothing else shares them (the message and
// the dict are gone); a shared string would be copied instead of overwritten.
void WipeKeys(QList<QString>& keys);

// Registers a{sa{sv}} with QtDBus; once, before the first call.
void RegisterSettingsType();

}  // namespace netvane::nmbridge
