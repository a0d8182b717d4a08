#include "core/ScanResult.h"

namespace netvane::sim {
namespace {

constexpr std::size_t kCountLength = 4;
constexpr uint32_t kShortEntryLength = 100;  // shorter than the fixed entry fields
constexpr uint32_t kOverlongBy = 64;
constexpr uint32_t kExtraCount = 5;

// Corrupts the part the way a faulty driver might, for testing the readers.
void ApplyFault(driverkit::Bytes& part, uint32_t count, MalformedScan fault) {
  switch (fault) {
    case MalformedScan::kNone:
      break;
    case MalformedScan::kZeroLength:
      if (count > 0) driverkit::WriteU32(part, kCountLength, 0);
      break;
    case MalformedScan::kShortEntry:
      if (count > 0) driverkit::WriteU32(part, kCountLength, kShortEntryLength);
      break;
    case MalformedScan::kOverlongEntry:
      if (count > 0) {
        driverkit::WriteU32(part, kCountLength, static_cast<uint32_t>(part.size()) + kOverlongBy);
      }
      break;
    case MalformedScan::kCountTooLarge:
      driverkit::WriteU32(part, 0, count + kExtraCount);
      break;
  }
}

}  // namespace

void ScanResult::Replace(std::vector<driverkit::Bytes> entries) {
  entries_ = std::move(entries);
  next_ = 0;
}

std::optional<driverkit::Bytes> ScanResult::FirstPart(uint32_t capacity, MalformedScan fault) {
  next_ = 0;
  return TakePart(capacity, fault);
}

std::optional<driverkit::Bytes> ScanResult::NextPart(uint32_t capacity, MalformedScan fault) {
  if (next_ >= entries_.size()) return driverkit::Bytes{};
  return TakePart(capacity, fault);
}

std::optional<driverkit::Bytes> ScanResult::TakePart(uint32_t capacity, MalformedScan fault) {
  if (capacity < kCountLength) return std::nullopt;
  driverkit::Bytes part(kCountLength, 0);
  uint32_t count = 0;
  while (next_ < entries_.size() && part.size() + entries_[next_].size() <= capacity) {
    part.insert(part.end(), entries_[next_].begin(), entries_[next_].end());
    ++next_;
    ++count;
  }
  if (count == 0 && next_ < entries_.size()) return std::nullopt;
  driverkit::WriteU32(part, 0, count);
  ApplyFault(part, count, fault);
  return part;
}

}  // namespace netvane::sim
