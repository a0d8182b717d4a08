// What NetworkManager publishes about the Wi-Fi, as plain values: the part of its D-Bus objects
// the bridge answers from. Filled by the D-Bus side, read by the socket side.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driverkit/ScanNetwork.h"

namespace netvane::nmbridge {

// NM80211Mode.
constexpr uint32_t kModeAdhoc = 1;
constexpr uint32_t kModeInfrastructure = 2;

// NMDeviceState values the bridge tells apart.
constexpr uint32_t kDeviceUnmanaged = 10;
constexpr uint32_t kDeviceUnavailable = 20;
constexpr uint32_t kDeviceIpConfig = 70;
constexpr uint32_t kDeviceActivated = 100;

// NMDeviceWifiCapabilities band bits.
constexpr uint32_t kCapFreq2GHz = 0x200;
constexpr uint32_t kCapFreq5GHz = 0x400;

// NM80211ApFlags.
constexpr uint32_t kApFlagPrivacy = 0x1;

// An `.AccessPoint` object.
struct AccessPointState {
  std::string path;
  std::string ssid;  // the `Ssid` bytes as they are (not text)
  driverkit::Mac bssid{};
  uint32_t frequencyMHz = 0;
  uint8_t strength = 0;  // percent
  uint32_t flags = 0;
  uint32_t wpaFlags = 0;
  uint32_t rsnFlags = 0;
  uint32_t maxBitrateKbps = 0;
  uint32_t mode = kModeInfrastructure;
};

// A Wi-Fi `.Device` with its `.Device.Wireless` and `.Device.Statistics` properties.
struct DeviceState {
  std::string path;
  std::string interface;  // `Interface`, names the socket
  driverkit::Mac hwAddress{};
  std::string driver;
  std::string driverVersion;
  std::string firmwareVersion;
  uint32_t state = 0;
  uint32_t capabilities = 0;  // `WirelessCapabilities`
  uint32_t bitrateKbps = 0;
  std::string activeAccessPoint = "/";
  std::string activeConnection = "/";
  std::optional<uint64_t> txBytes;  // absent when `.Device.Statistics` is not readable
  std::optional<uint64_t> rxBytes;
  std::vector<AccessPointState> accessPoints;  // `AccessPoints`, in NetworkManager's order

  // The active access point's entry; null when there is none.
  const AccessPointState* ActiveAccessPoint() const;
};

// The manager object: the radio switches and what polkit lets this user do.
struct ManagerState {
  bool wirelessEnabled = false;
  bool wirelessHardwareEnabled = false;
  // `GetPermissions()`: action id → "yes", "no" or "auth".
  std::map<std::string, std::string> permissions;
};

// One device and the manager, as one reading: what a single request answers from.
struct DeviceView {
  std::shared_ptr<const ManagerState> manager;
  std::shared_ptr<const DeviceState> device;  // null once the device has gone
};

}  // namespace netvane::nmbridge
