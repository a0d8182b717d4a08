#include "profiles/ProfileItem.h"

namespace netvane {

ProfileItem ProfileItemFor(const ProfileRecord& record) {
  namespace key = profile_key;
  ProfileItem item{record.Text(key::kProfileName), record.Text(key::kSsid),
                   record.Text(key::kChannel),     record.Text(key::kAuthentication),
                   record.Text(key::kEncryption),  record.Text(key::kNetworkType)};
  const int32_t authentication = IntOf(record, key::kAuthentication);
  const int32_t encryption = IntOf(record, key::kEncryption);
  if (authentication >= 0 && authentication <= 3) {
    static constexpr const char* kAuthNames[] = {"Open", "Shared", "WPA-PSK", "WPA2-PSK"};
    static constexpr const char* kWepNames[] = {"UnKnown", "WEP"};
    static constexpr const char* kWpaNames[] = {"TKIP", "AES"};
    item.AuthenType = kAuthNames[authentication];
    if (encryption == 0 || encryption == 1) {
      item.Encryption = authentication >= 2 ? kWpaNames[encryption] : kWepNames[encryption];
    }
  }
  const int32_t networkType = IntOf(record, key::kNetworkType);
  if (networkType == 0) item.NetworkType = "Ad Hoc";
  if (networkType == 1) item.NetworkType = "Infrastructure";
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
