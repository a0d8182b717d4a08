#include "core/Keys.h"

#include "driver/Oids.h"
#include "driver/Records.h"

namespace netvane::sim {

ByteRange KeyMaterialIn(uint32_t selector, std::span<const uint8_t> in) {
  const uint32_t oid = selector & ~kOidSetFlag;
  if ((oid != OID_802_11_ADD_KEY && oid != OID_CV_802_11_ADD_WPA) ||
      in.size() <= kKeyHeaderLength) {
    return {};
  }
  const std::size_t rest = in.size() - kKeyHeaderLength;
  const auto key = ParseKeyRecord(in);
  return {kKeyHeaderLength, key ? key->material.size() : rest};
}

}  // namespace netvane::sim
