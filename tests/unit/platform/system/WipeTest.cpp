// Key buffers are zero by the time their memory is given back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/system/Wipe.h"

namespace netvane {
namespace {

std::vector<std::vector<uint8_t>> released;  // each block's bytes as it was given back

// Stands in for the heap and keeps a copy of every block it takes back.
template <typename T>
struct RecordingAllocator {
  using value_type = T;
  T* allocate(std::size_t n) { return std::allocator<T>().allocate(n); }
  void deallocate(T* block, std::size_t n) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(block);
    released.emplace_back(bytes, bytes + n * sizeof(T));
    std::allocator<T>().deallocate(block, n);
  }
};

TEST(Wipe, KeyBlocksAreZeroWhenTheyOrTheirOutgrownBuffersAreReleased) {
  released.clear();
  {
    std::vector<uint8_t, system::WipingAllocator<uint8_t, RecordingAllocator<uint8_t>>> key;
    key.reserve(4);
    for (uint8_t b = 0xA1; b <= 0xA5; ++b) key.push_back(b);  // grows once
    const auto copy = key;
  }
  ASSERT_EQ(released.size(), 3U);  // the outgrown block, the copy, the key
  for (const auto& block : released) EXPECT_EQ(block, std::vector<uint8_t>(block.size()));
}

TEST(Wipe, StringsAreZeroToTheirCapacity) {
  std::string phrase = "a pass phrase longer than the inline buffer";
  phrase.resize(4);  // the rest of the phrase is still in the buffer
  const std::size_t capacity = phrase.capacity();
  system::WipeString(phrase);
  EXPECT_TRUE(phrase.empty());
  ASSERT_EQ(phrase.capacity(), capacity) << "the same buffer";
  EXPECT_EQ(std::string(phrase.data(), capacity), std::string(capacity, '\0'));
}

}  // namespace
}  // namespace netvane
