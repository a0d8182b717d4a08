// Scan lists as a driver might send them: the input is split into a first part and
// continuation parts, joined into one list as a collection does, and the result walked and
// parsed for WPA elements as every page does. Nothing may read outside the buffers, and the
// joined list must stay well-formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "driver/ScanList.h"
#include "survey/WpaElement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using netvane::BssidList;
  // The first two bytes choose where the input is cut into parts.
  if (size < 2) return 0;
  const std::size_t step = 1 + ((static_cast<std::size_t>(data[0]) << 8 | data[1]) % 4096);
  std::span<const uint8_t> rest(data + 2, size - 2);

  BssidList list;
  const std::size_t first = std::min(step, std::min(rest.size(), netvane::kBssidListPartLength));
  std::memcpy(list.Data(), rest.data(), first);
  list.Normalise(first);
  rest = rest.subspan(first);
  while (!rest.empty()) {
    const std::size_t n = std::min(step, rest.size());
    list.AppendPart(rest.first(n));
    rest = rest.subspan(n);
  }

  const auto view = list.View();
  if (view.Count() != list.NumberOfItems()) std::abort();
  for (const auto& entry : view.Entries()) {
    netvane::ParseWPAElement(entry, {"WEP", "Unknow"});
    netvane::IsItemWPA(entry);
  }
  for (int32_t row = 0; row <= static_cast<int32_t>(view.Count()) + 1; ++row) {
    netvane::IsItemWPA(&list, row);
  }
  return 0;
}
