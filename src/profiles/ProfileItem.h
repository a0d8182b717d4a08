// One row of the profile table, and the texts a stored profile shows in it.
#pragma once

#include <string>

#include "profiles/ProfileRecord.h"

namespace netvane {

struct ProfileItem {
  std::string Profile;
  std::string SSID;
  std::string Channel;
  std::string AuthenType;
  std::string Encryption;
  std::string NetworkType;
  bool operator==(const ProfileItem&) const = default;
};

// Known authentication, encryption and network type numbers in words; any other value shows
// the record's own text.
ProfileItem ProfileItemFor(const ProfileRecord& record);

// The field a column identifier names; nullptr for an unknown identifier.
const std::string* ProfileItemField(const ProfileItem& item, const std::string& column);

}  // namespace netvane
