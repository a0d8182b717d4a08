// Secrets (pass phrases, derived keys, WEP key material) are overwritten before their memory is
// given back, so freed heap blocks and dead stack frames do not keep them for whoever reuses
// the memory next. Here, below every layer, so the socket client can wipe its frames too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace netvane::system {

// Zeroes `size` bytes. Unlike memset on memory about to die, the compiler may not drop it.
inline void SecureWipe(void* data, std::size_t size) {
  if (data != nullptr && size > 0) ::explicit_bzero(data, size);
}

// Zeroes the string's whole buffer (a short string's too, which lives inside the object) and
// leaves it empty.
inline void WipeString(std::string& text) {
  SecureWipe(text.data(), text.capacity());
  text.clear();
}

// Wipes each block before `Upstream` takes it back: the old block of every reallocation and
// the last one.
template <typename T, typename Upstream = std::allocator<T>>
class WipingAllocator {
 public:
  // NOLINTBEGIN(readability-identifier-naming) the names std::allocator_traits looks for
  using value_type = T;

  WipingAllocator() = default;
  template <typename U, typename V>
  WipingAllocator(const WipingAllocator<U, V>& /*other*/) noexcept {}

  T* allocate(std::size_t n) { return Upstream().allocate(n); }
  void deallocate(T* block, std::size_t n) noexcept {
    SecureWipe(block, n * sizeof(T));
    Upstream().deallocate(block, n);
  }
  // NOLINTEND(readability-identifier-naming)
  friend bool operator==(const WipingAllocator& /*a*/, const WipingAllocator& /*b*/) {
    return true;
  }
};

// Key blocks and any other growable buffer of key bytes.
using SecretBytes = std::vector<std::uint8_t, WipingAllocator<std::uint8_t>>;

// A fixed buffer of key bytes that starts zeroed and wipes itself when it ends; every copy is
// a buffer of its own that does the same.
template <std::size_t N>
struct SecretArray : std::array<std::uint8_t, N> {
  SecretArray() : std::array<std::uint8_t, N>{} {}
  SecretArray(const SecretArray&) = default;
  SecretArray& operator=(const SecretArray&) = default;
  ~SecretArray() { SecureWipe(this->data(), N); }
};

}  // namespace netvane::system
