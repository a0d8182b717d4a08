// A frozen scan result handed out in parts of whole entries: the list query starts from the
// first entry, each continuation query gives the next part, and an empty answer says everything
// has been delivered. Every part starts with its entry count (NumberOfItems).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "driverkit/Bytes.h"

namespace netvane::driverkit {

// NumberOfItems, the word before a part's entries.
constexpr std::size_t kPartCountLength = 4;

class ScanParts {
 public:
  void Replace(std::vector<Bytes> entries);

  // The count and the entries that fit in `capacity`. Empty optional when entries remain but
  // the next one does not fit at all (the caller's buffer is too small).
  std::optional<Bytes> FirstPart(uint32_t capacity);
  // An empty part (zero bytes) once all entries have been delivered.
  std::optional<Bytes> NextPart(uint32_t capacity);

 private:
  std::optional<Bytes> TakePart(uint32_t capacity);

  std::vector<Bytes> entries_;
  std::size_t next_ = 0;
};

}  // namespace netvane::driverkit
