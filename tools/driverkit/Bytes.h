// Native-order integer access on byte buffers. Every read is bounds-checked by the caller's
// span; memcpy keeps it free of alignment and aliasing traps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace netvane::driverkit {

using Bytes = std::vector<uint8_t>;

inline uint32_t ReadU32(std::span<const uint8_t> b, std::size_t offset) {
  uint32_t v = 0;
  if (offset + sizeof v <= b.size()) std::memcpy(&v, b.data() + offset, sizeof v);
  return v;
}

inline void WriteU32(std::span<uint8_t> b, std::size_t offset, uint32_t v) {
  if (offset + sizeof v <= b.size()) std::memcpy(b.data() + offset, &v, sizeof v);
}

template <typename T>
Bytes ToBytes(const T& record) {
  Bytes out(sizeof(T));
  std::memcpy(out.data(), &record, sizeof(T));
  return out;
}

// Copies the first sizeof(T) bytes; the caller has checked the length.
template <typename T>
T FromBytes(std::span<const uint8_t> b) {
  T record{};
  std::memcpy(&record, b.data(), b.size() < sizeof(T) ? b.size() : sizeof(T));
  return record;
}

inline void AppendU16Le(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFFU));
  out.push_back(static_cast<uint8_t>(v >> 8U));
}

}  // namespace netvane::driverkit
