// One JSON object per call, one call per line, flushed at once so that a test reading the file
// sees every call that has been answered.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace netvane::sim {

// Whether the key bytes of a key-installing request reach the trace or a mask in their place.
enum class KeyBytes { kMasked, kShown };

class TraceWriter {
 public:
  // Appends to `path`, created (or narrowed, when it is a regular file already) to mode 0600;
  // Ok() is false when the file cannot be opened or narrowed.
  TraceWriter(const std::string& path, KeyBytes keys);
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;
  ~TraceWriter();

  bool Ok() const { return file_ != nullptr; }
  void StructCall(uint32_t selector, std::span<const uint8_t> in, uint32_t capacity,
                  uint32_t status, std::span<const uint8_t> out);
  void ScalarCall(uint32_t selector, uint32_t status);

  // One line, without the newline (exposed for tests).
  static std::string StructLine(uint64_t seq, uint32_t selector, std::span<const uint8_t> in,
                                uint32_t capacity, uint32_t status, std::span<const uint8_t> out,
                                KeyBytes keys);
  static std::string ScalarLine(uint64_t seq, uint32_t selector, uint32_t status);

 private:
  void Write(const std::string& line);

  std::FILE* file_ = nullptr;
  KeyBytes keys_;
  uint64_t seq_ = 0;
};

}  // namespace netvane::sim
