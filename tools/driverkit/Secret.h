// Key material a driver service holds for a moment: its buffers are zeroed when released,
// growth included, so a key leaves nothing behind in freed memory. A vector rather than a
// string, because a short string lives inside the object where no allocator can wipe it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace netvane::driverkit {

template <typename T>
struct WipingAllocator {
  using value_type = T;  // NOLINT(readability-identifier-naming): the allocator interface
  WipingAllocator() = default;
  template <typename U>
  explicit WipingAllocator(const WipingAllocator<U>& /*other*/) {}
  T* allocate(std::size_t n) {  // NOLINT(readability-identifier-naming)
    return static_cast<T*>(::operator new(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) {  // NOLINT(readability-identifier-naming)
    explicit_bzero(p, n * sizeof(T));
    ::operator delete(p);
  }
  template <typename U>
  bool operator==(const WipingAllocator<U>& /*other*/) const {
    return true;
  }
};

using SecretBytes = std::vector<uint8_t, WipingAllocator<uint8_t>>;
using SecretText = std::vector<char, WipingAllocator<char>>;

}  // namespace netvane::driverkit
