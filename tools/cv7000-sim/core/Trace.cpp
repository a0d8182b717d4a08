#include "core/Trace.h"

#include "core/Hex.h"
#include "driver/Oids.h"

namespace netvane::sim {

TraceWriter::TraceWriter(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {}

TraceWriter::~TraceWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string TraceWriter::StructLine(uint64_t seq, uint32_t selector, std::span<const uint8_t> in,
                                    uint32_t capacity, uint32_t status,
                                    std::span<const uint8_t> out) {
  char head[160];
  std::snprintf(
      head, sizeof head, R"({"seq":%llu,"call":"struct","selector":"0x%08x","set":%s,"in":")",
      static_cast<unsigned long long>(seq), selector, IsSetCode(selector) ? "true" : "false");
  char mid[96];
  std::snprintf(mid, sizeof mid, R"(","capacity":%u,"status":%u,"out":")", capacity, status);
  return std::string(head) + ToHex(in) + mid + ToHex(out) + "\"}";
}

std::string TraceWriter::ScalarLine(uint64_t seq, uint32_t selector, uint32_t status) {
  char line[128];
  std::snprintf(line, sizeof line, R"({"seq":%llu,"call":"scalar","selector":%u,"status":%u})",
                static_cast<unsigned long long>(seq), selector, status);
  return line;
}

void TraceWriter::StructCall(uint32_t selector, std::span<const uint8_t> in, uint32_t capacity,
                             uint32_t status, std::span<const uint8_t> out) {
  Write(StructLine(++seq_, selector, in, capacity, status, out));
}

void TraceWriter::ScalarCall(uint32_t selector, uint32_t status) {
  Write(ScalarLine(++seq_, selector, status));
}

void TraceWriter::Write(const std::string& line) {
  if (file_ == nullptr) return;
  std::fputs(line.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

}  // namespace netvane::sim
