#include "platform/prefs/PrefsFile.h"

#include <cstdio>

#include "platform/prefs/AtomicFile.h"
#include "platform/system/Trace.h"
#include "platform/system/Wipe.h"

namespace netvane::prefs {

PlistPtr PrefsFile::Load(RootKind kind) {
  damage_.clear();
  if (!folder_.Ensure()) return nullptr;
  FileRead file = ReadWholeFile(Path(), kMaxFileBytes);
  if (file.status == FileRead::Status::kMissing) return nullptr;
  if (file.status != FileRead::Status::kRead) {
    damage_ = file.reason;
    return nullptr;
  }
  std::string reason;
  PlistPtr root = ParseXml(file.bytes, reason);
  WipeString(file.bytes);
  if (root == nullptr) {
    damage_ = reason;
    return nullptr;
  }
  const bool rightKind = kind == RootKind::kArray ? IsArray(root.get()) : IsDictionary(root.get());
  if (!rightKind) {
    damage_ =
        kind == RootKind::kArray ? "its root is not an array" : "its root is not a dictionary";
    return nullptr;
  }
  return root;
}

void PrefsFile::KeepDamagedAside() {
  if (damage_.empty()) return;
  const std::string path = Path();
  const std::string aside = path + ".damaged";
  if (std::rename(path.c_str(), aside.c_str()) == 0) {
    platform::WriteStderr("netvane: " + path + " could not be used (" + damage_ + "); kept as " +
                          aside + "\n");
  }
  damage_.clear();
}

bool PrefsFile::Save(void* root) {
  if (!folder_.Ensure()) return false;
  KeepDamagedAside();
  std::string reason;
  std::string xml = ToXml(root);
  const bool written = WriteFileAtomically(Path(), xml, reason);
  WipeString(xml);
  if (written) return true;
  platform::WriteStderr("netvane: could not save " + Path() + ": " + reason + "\n");
  return false;
}

}  // namespace netvane::prefs
