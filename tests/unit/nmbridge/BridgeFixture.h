// A device in a snapshot, a service over it and NetworkManager's calls recorded, for the
// bridge's unit tests.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "core/DeviceService.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "driverkit/Bytes.h"
#include "driverkit/Frame.h"
#include "platform/userclient/Protocol.h"

namespace netvane::nmbridge::testing {

class FakeActions : public NmActions {
 public:
  void RequestScan(const std::string& /*devicePath*/) override { ++scans; }
  ActionResult SetWirelessEnabled(bool /*on*/, uint32_t /*waitMs*/) override { return next; }
  ActionResult Disconnect(const std::string& /*devicePath*/, uint32_t /*waitMs*/) override {
    return next;
  }
  ActionResult AddAndActivate(const JoinSettings& settings, const std::string& /*devicePath*/,
                              uint32_t /*waitMs*/) override {
    joins.push_back(settings);
    return next;
  }

  ActionResult next;
  int scans = 0;
  std::vector<JoinSettings> joins;
};

inline constexpr const char* kDevicePath = "/org/freedesktop/NetworkManager/Devices/3";

inline AccessPointState Ap(const std::string& path, const std::string& ssid, uint8_t last,
                           uint32_t mhz) {
  AccessPointState ap;
  ap.path = path;
  ap.ssid = ssid;
  ap.bssid = {0x02, 0x11, 0x22, 0x33, 0x44, last};
  ap.frequencyMHz = mhz;
  ap.strength = 80;
  ap.maxBitrateKbps = 54000;
  return ap;
}

inline DeviceState Device() {
  DeviceState d;
  d.path = kDevicePath;
  d.interface = "wlp2s0";
  d.state = kDeviceActivated;
  d.capabilities = kCapFreq2GHz | kCapFreq5GHz;
  return d;
}

struct Bridge {
  explicit Bridge(DeviceState device, const std::string& sysfsRoot = "/nonexistent") {
    snapshot.SetDevice(std::move(device));
    ManagerState m;
    m.wirelessEnabled = true;
    m.wirelessHardwareEnabled = true;
    snapshot.SetManager(m);
    DeviceServiceSettings settings;
    settings.sysfsRoot = sysfsRoot;
    settings.userName = "alice";
    service = std::make_unique<DeviceService>(snapshot, kDevicePath, actions, denials, settings);
  }

  driverkit::Reply Query(uint32_t oid, uint32_t capacity = 4096) {
    const driverkit::Bytes frame =
        driverkit::EncodeRequest(userclient::kKindStructure, oid, {}, capacity);
    return service->Handle(driverkit::ParseRequest(frame).request);
  }
  uint32_t Set(uint32_t oid, const driverkit::Bytes& in) {
    const driverkit::Bytes frame =
        driverkit::EncodeRequest(userclient::kKindStructure, SetForm(oid), in, 0);
    return service->Handle(driverkit::ParseRequest(frame).request).status;
  }
  uint32_t SetU32(uint32_t oid, uint32_t v) { return Set(oid, driverkit::ToBytes(v)); }

  Snapshot snapshot;
  FakeActions actions;
  std::vector<std::string> lines;
  DenialLog denials{[this](const std::string& line) { lines.push_back(line); }};
  std::unique_ptr<DeviceService> service;
};

template <typename T>
T As(const driverkit::Bytes& b) {
  T v{};
  std::memcpy(&v, b.data(), std::min(b.size(), sizeof v));
  return v;
}

}  // namespace netvane::nmbridge::testing
