// The query half of a device's driver: every queried OID answered from one reading of the
// snapshot, the kernel's counters minus the last reset, and the frozen scan handed out in parts.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "core/NmState.h"
#include "driver/Records.h"
#include "driverkit/RequestHandler.h"
#include "driverkit/ScanParts.h"

namespace netvane::nmbridge {

// The station configuration NetworkManager leaves as it is: all zero but the hardware switch.
CV_802_11_STA_CONFIG StaConfigOf(const ManagerState& manager);

class DeviceQueries {
 public:
  explicit DeviceQueries(std::string sysfsRoot);

  // The answer to a query: bad arguments for an OID the bridge does not answer or a capacity
  // below the record, refused when the device has gone or there is nothing to read.
  driverkit::Reply Answer(const DeviceView& view, uint32_t oid, uint32_t capacity);

  // Every counter now becomes the zero the statistics count from.
  void ResetCounters(const DeviceView& view);

 private:
  std::optional<driverkit::Bytes> Record(const DeviceView& view, uint32_t oid, bool& known);
  driverkit::Reply ScanPart(const DeviceState& device, uint32_t oid, uint32_t capacity);
  std::optional<uint64_t> Counter(const DeviceState& device, const std::string& name) const;
  // The counter minus its baseline (mod 2^64; a 32-bit field keeps the low word); 0 when it
  // cannot be read.
  uint64_t SinceReset(const DeviceState& device, const std::string& name) const;

  std::string sysfsRoot_;
  std::map<std::string, uint64_t> baseline_;
  driverkit::ScanParts scan_;
};

}  // namespace netvane::nmbridge
