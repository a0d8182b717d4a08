#include "platform/prefs/PrefsFile.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/prefs/AtomicFile.h"
#include "platform/prefs/PlistXml.h"
#include "platform/system/Trace.h"
#include "platform/system/Wipe.h"

namespace netvane::prefs {

std::optional<PlistValue> PrefsFile::Load(RootKind kind) {
  damage_.clear();
  if (!folder_.Ensure()) return std::nullopt;
  FileRead file = ReadWholeFile(Path(), kMaxFileBytes);
  if (file.status == FileRead::Status::kMissing) return std::nullopt;
  if (file.status != FileRead::Status::kRead) {
    damage_ = file.reason;
    return std::nullopt;
  }
  std::string reason;
  std::optional<PlistValue> root = ParsePlistXml(file.bytes, reason);
  WipeString(file.bytes);
  if (!root) {
    damage_ = reason;
    return std::nullopt;
  }
  const bool array = kind == RootKind::kArray;
  const bool isArray =
      root->kind == PlistValue::Kind::kArray || root->kind == PlistValue::Kind::kRecords;
  if (array ? !isArray : root->kind != PlistValue::Kind::kDict) {
    damage_ = array ? "its root is not an array" : "its root is not a dictionary";
    return std::nullopt;
  }
  return root;
}

PrefsFile::Stamp PrefsFile::CurrentStamp() const {
  struct stat st {};
  if (stat(Path().c_str(), &st) != 0) return {};
  return {static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_size),
          static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec)};
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

bool PrefsFile::Save(const XmlDocument& document, FolderSync sync) {
  if (!folder_.Ensure()) return false;
  KeepDamagedAside();
  std::string reason;
  bool written = WriteFileAtomically(Path(), document.Pieces(), reason, FolderSync::kLater);
  // Renames made since the last flush (this one, or an earlier kLater save's) become durable
  // now, whether or not this write worked.
  if (sync == FolderSync::kNow && !SyncFolder(folder_.Path()) && written) {
    written = false;
    reason = "cannot flush the folder";
  }
  if (written) return true;
  platform::WriteStderr("netvane: could not save " + Path() + ": " + reason + "\n");
  return false;
}

}  // namespace netvane::prefs
