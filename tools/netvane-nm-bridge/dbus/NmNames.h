// NetworkManager's D-Bus names the bridge uses.
#pragma once

namespace netvane::nmbridge {

inline constexpr const char* kNmService = "org.freedesktop.NetworkManager";
inline constexpr const char* kNmPath = "/org/freedesktop/NetworkManager";
inline constexpr const char* kNmInterface = "org.freedesktop.NetworkManager";
inline constexpr const char* kDeviceInterface = "org.freedesktop.NetworkManager.Device";
inline constexpr const char* kWirelessInterface = "org.freedesktop.NetworkManager.Device.Wireless";
inline constexpr const char* kStatisticsInterface =
    "org.freedesktop.NetworkManager.Device.Statistics";
inline constexpr const char* kAccessPointInterface = "org.freedesktop.NetworkManager.AccessPoint";
inline constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
inline constexpr const char* kPermissionDenied = "org.freedesktop.NetworkManager.PermissionDenied";

inline constexpr unsigned kDeviceTypeWifi = 2;

}  // namespace netvane::nmbridge
