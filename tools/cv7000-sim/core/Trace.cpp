#include "core/Trace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "core/Hex.h"
#include "core/Keys.h"
#include "driver/Oids.h"

namespace netvane::sim {
namespace {

constexpr mode_t kTraceMode = 0600;

// Two characters per byte, like the hex, so the record's length still shows; never hex digits,
// so a masked key cannot be taken for one.
constexpr char kMaskChar = '*';

// The trace carries every request a client sent: only its owner may read it. A file that is
// there already (a second run appending) is narrowed too; something other than a regular
// file (a terminal, a pipe) is left as it is.
std::FILE* OpenOwnerOnly(const std::string& path) {
  const int fd =
      open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOCTTY, kTraceMode);
  if (fd < 0) return nullptr;
  struct stat st {};
  const bool ok =
      fstat(fd, &st) == 0 &&
      (!S_ISREG(st.st_mode) || (st.st_mode & 07777U) == kTraceMode || fchmod(fd, kTraceMode) == 0);
  if (!ok) {
    close(fd);
    return nullptr;
  }
  std::FILE* file = fdopen(fd, "a");
  if (file == nullptr) close(fd);
  return file;
}

std::string InHex(uint32_t selector, std::span<const uint8_t> in, KeyBytes keys) {
  std::string hex = ToHex(in);
  if (keys == KeyBytes::kShown) return hex;
  const ByteRange key = KeyMaterialIn(selector, in);
  hex.replace(key.offset * 2, key.length * 2, key.length * 2, kMaskChar);
  return hex;
}

}  // namespace

TraceWriter::TraceWriter(const std::string& path, KeyBytes keys)
    : file_(OpenOwnerOnly(path)), keys_(keys) {}

TraceWriter::~TraceWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string TraceWriter::StructLine(uint64_t seq, uint32_t selector, std::span<const uint8_t> in,
                                    uint32_t capacity, uint32_t status,
                                    std::span<const uint8_t> out, KeyBytes keys) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08x", selector);
  // In this order, so the lines read alike and a diff between two traces lines up.
  nlohmann::ordered_json line;
  line["seq"] = seq;
  line["call"] = "struct";
  line["selector"] = code;
  line["set"] = IsSetCode(selector);
  line["in"] = InHex(selector, in, keys);
  line["capacity"] = capacity;
  line["status"] = status;
  line["out"] = ToHex(out);
  return line.dump();
}

std::string TraceWriter::ScalarLine(uint64_t seq, uint32_t selector, uint32_t status) {
  nlohmann::ordered_json line;
  line["seq"] = seq;
  line["call"] = "scalar";
  line["selector"] = selector;
  line["status"] = status;
  return line.dump();
}

void TraceWriter::StructCall(uint32_t selector, std::span<const uint8_t> in, uint32_t capacity,
                             uint32_t status, std::span<const uint8_t> out) {
  Write(StructLine(++seq_, selector, in, capacity, status, out, keys_));
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
