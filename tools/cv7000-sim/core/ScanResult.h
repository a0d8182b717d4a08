// The result of the last scan, handed out in parts of whole entries: the list query starts
// from the first entry, each continuation query gives the next part, and an empty answer says
// everything has been delivered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/Bytes.h"
#include "core/Scenario.h"

namespace netvane::sim {

class ScanResult {
 public:
  void Replace(std::vector<Bytes> entries);

  // Every part is NumberOfItems and the entries that fit in `capacity`. Empty optional when
  // entries remain but the next one does not fit at all (the caller's buffer is too small).
  std::optional<Bytes> FirstPart(uint32_t capacity, MalformedScan fault);
  // An empty part (zero bytes) once all entries have been delivered.
  std::optional<Bytes> NextPart(uint32_t capacity, MalformedScan fault);

 private:
  std::optional<Bytes> TakePart(uint32_t capacity, MalformedScan fault);

  std::vector<Bytes> entries_;
  std::size_t next_ = 0;
};

}  // namespace netvane::sim
