// NetworkManager's properties, as QtDBus hands them over, turned into the bridge's plain
// values. Anything of the wrong type or shape reads as absent, never as a crash.
#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include "core/NmState.h"

namespace netvane::nmbridge {

// Object paths from an `o` or `ao` value ("/" and wrong types leave nothing).
QString ObjectPathOf(const QVariant& value);
QList<QString> ObjectPathsOf(const QVariant& value);

// "AA:BB:CC:DD:EE:FF" into six bytes; false for anything else.
bool ParseHwAddress(const QString& text, driverkit::Mac& out);

AccessPointState AccessPointFrom(const QString& path, const QVariantMap& ap);
// `device`, `wireless` and `statistics` are the three interfaces' properties; the access points
// are filled by the caller.
DeviceState DeviceFrom(const QString& path, const QVariantMap& device, const QVariantMap& wireless,
                       const QVariantMap& statistics);

}  // namespace netvane::nmbridge
