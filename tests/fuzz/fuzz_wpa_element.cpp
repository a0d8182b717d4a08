// Information elements straight from a beacon: the input is the IEs of one entry.
#include <cstddef>
#include <cstdint>
#include <span>

#include "driver/Records.h"
#include "survey/WpaElement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> ies(data, size);
  netvane::ParseWPAElement(ies, netvane::Ndis802_11Infrastructure, {"WEP", "Unknow"});
  netvane::ParseWPAElement(ies, netvane::Ndis802_11IBSS, {"Not Use", "Unknow"});
  return 0;
}
