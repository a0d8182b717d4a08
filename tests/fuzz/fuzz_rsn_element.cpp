// An RSN element's body straight from a beacon, then the same bytes as an entry's elements.
#include <cstddef>
#include <cstdint>
#include <span>

#include "survey/RsnElement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (const auto rsn = netvane::ReadRsnElement(bytes)) {
    netvane::RsnTexts(*rsn, {"WEP", "Unknow"});
  }
  netvane::FindRsnElement(bytes);
  return 0;
}
