#include "driverkit/ScanParts.h"

namespace netvane::driverkit {

void ScanParts::Replace(std::vector<Bytes> entries) {
  entries_ = std::move(entries);
  next_ = 0;
}

std::optional<Bytes> ScanParts::FirstPart(uint32_t capacity) {
  next_ = 0;
  return TakePart(capacity);
}

std::optional<Bytes> ScanParts::NextPart(uint32_t capacity) {
  if (next_ >= entries_.size()) return Bytes{};
  return TakePart(capacity);
}

std::optional<Bytes> ScanParts::TakePart(uint32_t capacity) {
  if (capacity < kPartCountLength) return std::nullopt;
  Bytes part(kPartCountLength, 0);
  uint32_t count = 0;
  while (next_ < entries_.size() && part.size() + entries_[next_].size() <= capacity) {
    part.insert(part.end(), entries_[next_].begin(), entries_[next_].end());
    ++next_;
    ++count;
  }
  if (count == 0 && next_ < entries_.size()) return std::nullopt;
  WriteU32(part, 0, count);
  return part;
}

}  // namespace netvane::driverkit
