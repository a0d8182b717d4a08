#include "platform/prefs/PrefsFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/plist/PlistXml.h"
#include "platform/prefs/FolderLock.h"
#include "platform/system/Log.h"
#include "platform/system/Wipe.h"
#include "text/Translate.h"

namespace netvane::prefs {
namespace {

constexpr std::size_t kKeptDamagedCopies = 5;

// The names in `folder` that start with `prefix`, each with the rest of its name.
std::vector<std::pair<std::string, std::string>> NamesStarting(const std::string& folder,
                                                               const std::string& prefix) {
  std::vector<std::pair<std::string, std::string>> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
      names.emplace_back(name, name.substr(prefix.size()));
    }
  }
  closedir(dir);
  return names;
}

bool AllOf(const std::string& text, int (*test)(int)) {
  return std::all_of(text.begin(), text.end(),
                     [test](char c) { return test(static_cast<unsigned char>(c)) != 0; });
}

// A regular file of ours: never a link, a folder or another user's file.
bool OwnRegularFile(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid();
}

// A rename that fails rather than replace a file already at `to`.
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL) return false;
  // A file system without it: a second name, then the first one goes.
  if (link(from.c_str(), to.c_str()) != 0) return false;
  unlink(from.c_str());
  return true;
}

// "<name>.tmp-" and six random letters or digits; or, left by versions before that infix,
// "<name>." and six of them, taken only with a digit or a capital past the first character, so
// a name a person gave a copy ("backup", "Backup") is never one of ours.
bool TemporaryName(const std::string& rest) {
  const std::string infix = std::string(system::kTemporaryInfix).substr(1);
  if (rest.size() == infix.size() + 6 && rest.compare(0, infix.size(), infix) == 0) {
    return AllOf(rest.substr(infix.size()), std::isalnum);
  }
  if (rest.size() != 6 || !AllOf(rest, std::isalnum)) return false;
  return std::any_of(rest.begin() + 1, rest.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0 ||
           std::isupper(static_cast<unsigned char>(c)) != 0;
  });
}

}  // namespace

std::optional<plist::PlistValue> PrefsFile::Load(RootKind kind) {
  damage_.clear();
  unreadable_ = false;
  if (!folder_.Ensure()) return std::nullopt;
  system::FileRead file = system::ReadWholeFile(Path(), plist::kMaxFileBytes);
  if (file.status == system::FileRead::Status::kMissing) return std::nullopt;
  if (file.status != system::FileRead::Status::kRead) {
    damage_ = file.reason;
    unreadable_ = file.status == system::FileRead::Status::kUnreadable;
    // A file that cannot be opened is the caller's to report: it is no hand edit to keep aside.
    if (!unreadable_) ReportDamageOnce();
    return std::nullopt;
  }
  std::string reason;
  std::optional<plist::PlistValue> root = plist::ParsePlistXml(file.bytes, reason);
  system::WipeString(file.bytes);
  if (!root) {
    damage_ = reason;
    ReportDamageOnce();
    return std::nullopt;
  }
  const bool array = kind == RootKind::kArray;
  const bool isArray = root->kind == plist::PlistValue::Kind::kArray ||
                       root->kind == plist::PlistValue::Kind::kRecords;
  if (array ? !isArray : root->kind != plist::PlistValue::Kind::kDict) {
    damage_ = array ? text::Tr("PrefsFile", "its root is not an array")
                    : text::Tr("PrefsFile", "its root is not a dictionary");
    ReportDamageOnce();
    return std::nullopt;
  }
  return root;
}

void PrefsFile::ReportDamageOnce() const {
  // A hand edit gone wrong is ignored from now on: the person hears of it once, not at every
  // reload, and before the next save moves the file aside.
  static std::set<std::string> reported;
  if (!reported.insert(Path() + '\n' + damage_).second) return;
  system::LogWarning(system::LogCategory::kPrefs,
                     "netvane: " + Path() + " could not be used (" + damage_ +
                         "); its settings are ignored, and the next save keeps it aside");
}

PrefsFile::Stamp PrefsFile::CurrentStamp() const {
  struct stat st {};
  if (stat(Path().c_str(), &st) != 0) return {};
  return {static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_size),
          static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec)};
}

void PrefsFile::RemoveDebris() const {
  for (const auto& [name, rest] : NamesStarting(folder_.Path(), name_ + ".")) {
    if (!TemporaryName(rest)) continue;
    const std::string path = folder_.FileNamed(name);
    if (OwnRegularFile(path)) unlink(path.c_str());
  }
}

bool PrefsFile::KeepDamagedAside() {
  if (damage_.empty()) return true;
  const std::string path = Path();
  const std::string stem = name_ + ".damaged.";
  std::vector<unsigned long> numbers;
  for (const auto& [name, rest] : NamesStarting(folder_.Path(), stem)) {
    if (rest.size() <= 9 && AllOf(rest, std::isdigit)) numbers.push_back(std::stoul(rest));
  }
  std::sort(numbers.begin(), numbers.end());
  unsigned long next = numbers.empty() ? 1 : numbers.back() + 1;
  std::string aside;
  for (;; ++next) {
    aside = path + ".damaged." + std::to_string(next);
    if (RenameNoReplace(path, aside)) break;
    if (errno == ENOENT) {
      // The file went meanwhile: nothing left to keep.
      damage_.clear();
      return true;
    }
    if (errno != EEXIST) return false;
  }
  numbers.push_back(next);
  system::LogWarning(system::LogCategory::kPrefs,
                     "netvane: " + path + " could not be used (" + damage_ + "); kept as " + aside);
  damage_.clear();
  unreadable_ = false;
  // The oldest copies beyond the last few go; a folder kept aside is left for the person.
  if (numbers.size() > kKeptDamagedCopies) {
    for (std::size_t i = 0; i + kKeptDamagedCopies < numbers.size(); ++i) {
      const std::string old = path + ".damaged." + std::to_string(numbers[i]);
      if (OwnRegularFile(old)) unlink(old.c_str());
    }
  }
  return true;
}

bool PrefsFile::Save(const plist::XmlDocument& document, std::string& reason,
                     system::FolderSync sync) {
  const FolderLock lock(folder_);
  bool written = lock.Held();
  if (!written) {
    reason = lock.Reason();
  } else {
    RemoveDebris();
    written = KeepDamagedAside();
    if (!written) {
      // Read before the catalogue is asked, which may itself set errno.
      const std::string error = std::strerror(errno);
      reason = text::Arg(text::Tr("PrefsFile", "cannot keep the damaged file aside: %1"), {error});
    }
  }
  if (written) {
    written =
        system::WriteFileAtomically(Path(), document.Pieces(), reason, system::FolderSync::kLater);
  }
  // Renames made since the last flush (this one, or an earlier kLater save's) become durable
  // now, whether or not this write worked.
  if (sync == system::FolderSync::kNow && !system::SyncFolder(folder_.Path()) && written) {
    written = false;
    reason = text::Tr("PrefsFile", "cannot flush the folder");
  }
  if (!written) {
    reason = text::Arg(text::Tr("PrefsFile", "could not save %1: %2"), {Path(), reason});
  }
  return written;
}

}  // namespace netvane::prefs
