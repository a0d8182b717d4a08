#include "core/ScanFault.h"

#include "driverkit/ScanParts.h"

namespace netvane::sim {
namespace {

constexpr uint32_t kShortEntryLength = 100;  // shorter than the fixed entry fields
constexpr uint32_t kOverlongBy = 64;
constexpr uint32_t kExtraCount = 5;

}  // namespace

void ApplyScanFault(driverkit::Bytes& part, MalformedScan fault) {
  // An empty part (all delivered) has no count to corrupt.
  if (part.size() < driverkit::kPartCountLength) return;
  const uint32_t count = driverkit::ReadU32(part, 0);
  switch (fault) {
    case MalformedScan::kNone:
      break;
    case MalformedScan::kZeroLength:
      if (count > 0) driverkit::WriteU32(part, driverkit::kPartCountLength, 0);
      break;
    case MalformedScan::kShortEntry:
      if (count > 0) driverkit::WriteU32(part, driverkit::kPartCountLength, kShortEntryLength);
      break;
    case MalformedScan::kOverlongEntry:
      if (count > 0) {
        driverkit::WriteU32(part, driverkit::kPartCountLength,
                            static_cast<uint32_t>(part.size()) + kOverlongBy);
      }
      break;
    case MalformedScan::kCountTooLarge:
      driverkit::WriteU32(part, 0, count + kExtraCount);
      break;
  }
}

}  // namespace netvane::sim
