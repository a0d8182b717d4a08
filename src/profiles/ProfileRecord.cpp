#include "profiles/ProfileRecord.h"

#include <algorithm>

namespace netvane {

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
