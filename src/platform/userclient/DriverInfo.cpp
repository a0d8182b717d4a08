#include "platform/userclient/DriverInfo.h"

#include "platform/plist/PlistXml.h"
#include "platform/system/AtomicFile.h"
#include "platform/system/FileDates.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"

namespace netvane::userclient {

DriverInfo ReadDriverInfo() {
  DriverInfo info;
  const system::PrivateFolderResult folder = EnsureServiceClassDir(kWirelessDriverClass);
  if (!folder.ok) return info;
  const std::string path = folder.path + "/Info.plist";
  // A property list of a few lines; anything large is not the driver's.
  constexpr std::size_t kMaxInfoBytes = std::size_t{64} * 1024;
  const system::FileRead file = system::ReadWholeFile(path, kMaxInfoBytes);
  if (file.status != system::FileRead::Status::kRead) return info;
  info.date = system::FileDate(path);
  std::string reason;
  const std::optional<plist::PlistValue> root = plist::ParsePlistXml(file.bytes, reason);
  if (!root) return info;
  const plist::PlistValue* version = root->Member("CFBundleShortVersionString");
  if (version != nullptr && version->kind == plist::PlistValue::Kind::kString) {
    info.version = version->text;
  }
  return info;
}

}  // namespace netvane::userclient
