#include "profiles/ProfileItem.h"
#include "text/Translate.h"

namespace netvane {
namespace {

std::string AuthenticationName(int32_t authentication) {
  switch (authentication) {
    case 0:
      return text::Tr("ProfilePage", "Open");
    case 1:
      return text::Tr("ProfilePage", "Shared");
    case 2:
      return "WPA-PSK";
    default:
      return "WPA2-PSK";
  }
}

}  // namespace

ProfileItem ProfileItemFor(const ProfileRecord& record) {
  namespace key = profile_key;
  ProfileItem item{record.Text(key::kProfileName), record.Text(key::kSsid),
                   record.Text(key::kChannel),     record.Text(key::kAuthentication),
                   record.Text(key::kEncryption),  record.Text(key::kNetworkType)};
  const int32_t authentication = IntOf(record, key::kAuthentication);
  const int32_t encryption = IntOf(record, key::kEncryption);
  if (authentication >= 0 && authentication <= 3) {
    item.AuthenType = AuthenticationName(authentication);
    if (authentication >= 2 && (encryption == 0 || encryption == 1)) {
      item.Encryption = encryption == 0 ? "TKIP" : "AES";
    } else if (encryption == 0) {
      item.Encryption = text::Tr("ProfilePage", "UnKnown");
    } else if (encryption == 1) {
      item.Encryption = "WEP";
    }
  }
  const int32_t networkType = IntOf(record, key::kNetworkType);
  if (networkType == 0) item.NetworkType = text::Tr("ProfilePage", "Ad Hoc");
  if (networkType == 1) item.NetworkType = text::Tr("ProfilePage", "Infrastructure");
  return item;
}

const std::string* ProfileItemField(const ProfileItem& item, const std::string& column) {
  if (column == "Profile") return &item.Profile;
  if (column == "SSID") return &item.SSID;
  if (column == "Channel") return &item.Channel;
  if (column == "AuthenType") return &item.AuthenType;
  if (column == "Encryption") return &item.Encryption;
  if (column == "NetworkType") return &item.NetworkType;
  return nullptr;
}

}  // namespace netvane
