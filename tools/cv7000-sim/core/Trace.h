// One JSON object per call, one call per line, flushed at once so that a test reading the file
// sees every call that has been answered.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace netvane::sim {

class TraceWriter {
 public:
  // Appends to `path`; Ok() is false when the file cannot be opened.
  explicit TraceWriter(const std::string& path);
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;
  ~TraceWriter();

  bool Ok() const { return file_ != nullptr; }
  void StructCall(uint32_t selector, std::span<const uint8_t> in, uint32_t capacity,
                  uint32_t status, std::span<const uint8_t> out);
  void ScalarCall(uint32_t selector, uint32_t status);

  // One line, without the newline (exposed for tests).
  static std::string StructLine(uint64_t seq, uint32_t selector, std::span<const uint8_t> in,
                                uint32_t capacity, uint32_t status, std::span<const uint8_t> out);
  static std::string ScalarLine(uint64_t seq, uint32_t selector, uint32_t status);

 private:
  void Write(const std::string& line);

  std::FILE* file_ = nullptr;
  uint64_t seq_ = 0;
};

}  // namespace netvane::sim
