// The result of the last scan, handed out in parts of whole entries: the list query starts
// from the first entry, each continuation query gives the next part, and an empty answer says
// everything has been delivered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/Scenario.h"
#include "driverkit/Bytes.h"

namespace netvane::sim {

class ScanResult {
 public:
  void Replace(std::vector<driverkit::Bytes> entries);

  // Every part is NumberOfItems and the entries that fit in `capacity`. Empty optional when
  // entries remain but the next one does not fit at all (the caller's buffer is too small).
  std::optional<driverkit::Bytes> FirstPart(uint32_t capacity, MalformedScan fault);
  // An empty part (zero bytes) once all entries have been delivered.
  std::optional<driverkit::Bytes> NextPart(uint32_t capacity, MalformedScan fault);

 private:
  std::optional<driverkit::Bytes> TakePart(uint32_t capacity, MalformedScan fault);

  std::vector<driverkit::Bytes> entries_;
  std::size_t next_ = 0;
};

}  // namespace netvane::sim
