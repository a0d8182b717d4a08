// Whole-file reads with a size limit, and writes that never leave a half-written file behind.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace netvane::system {

struct FileRead {
  enum class Status { kRead, kMissing, kUnreadable, kTooLarge };
  Status status = Status::kMissing;
  std::string bytes;
  std::string reason;  // for kUnreadable and kTooLarge
};

// Reads at most `maxBytes`; a larger file is not read at all.
FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Writes every piece to `fd` in order, through short writes and interruptions; false on an
// error.
bool WritePieces(int fd, std::span<const std::string_view> pieces);

// Whether a write flushes its folder itself, or a later SyncFolder does it for several writes
// to the same folder.
enum class FolderSync { kNow, kLater };

// What a temporary file's name adds to the final name, before six random letters or digits.
constexpr std::string_view kTemporaryInfix = ".tmp-";

// Temporary file in the same folder, write, fsync, rename over `path`, fsync of the folder.
// The file is mode 0600 whatever the umask or the mode of the file it replaces. On failure the
// temporary file is removed, `path` is left as it was, and `reason` says why.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);
// The same with the contents in pieces, written in order.
bool WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces,
                         std::string& reason, FolderSync sync = FolderSync::kNow);

// Makes the renames done in the folder durable.
bool SyncFolder(const std::string& folder);

}  // namespace netvane::system
