// The interface's kernel counters, /sys/class/net/<interface>/statistics/<name>, readable
// without privilege; the root is an option so tests can use a folder of plain files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace netvane::nmbridge {

class SysfsCounters {
 public:
  SysfsCounters(std::string root, std::string interface);
  // The counter's value; empty when the file is missing or does not hold a decimal number.
  std::optional<uint64_t> Read(const std::string& name) const;

 private:
  std::string folder_;
};

}  // namespace netvane::nmbridge
