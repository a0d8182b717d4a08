#include "profiles/ProfileRecord.h"

#include <algorithm>
#include <limits>

namespace netvane {

int32_t IntValue(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Accumulate in 64 bits and stop growing once past the 32-bit range.
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = std::min(value * 10 + (text[at] - '0'), kLimit);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

std::string DecimalText(int32_t value) {
  return std::to_string(value);
}

ProfileRecord MakeActiveRecord(const ProfileRecord& source, bool active, int32_t selected) {
  ProfileRecord record;
  record.Set(profile_key::kActiveFlag, active ? "YES" : "NO");
  record.Set(profile_key::kSelected, DecimalText(selected));
  for (const char* key : kProfileKeys) record.Set(key, source.Text(key));
  MarkKeyMaterial(record);
  return record;
}

std::string NextProfileName(const ProfileRecordList& records) {
  int64_t highest = 0;
  for (const ProfileRecord& record : records) {
    std::string name = record.Text(profile_key::kProfileName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    if (name.find("PROF") == std::string::npos || name.size() < 4) continue;
    highest = std::max<int64_t>(highest, IntValue(std::string_view(name).substr(4)));
  }
  // In 64 bits: PROF2147483647 in the list proposes PROF2147483648.
  return "PROF" + std::to_string(highest + 1);
}

void MarkKeyMaterial(ProfileRecord& record) {
  for (const char* key : profile_key::kWepKeys) {
    if (record.Has(key)) record.Set(key, record.Text(key), true);
  }
}

}  // namespace netvane
