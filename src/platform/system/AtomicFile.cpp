#include "platform/system/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/system/UniqueFd.h"
#include "platform/system/Wipe.h"

namespace netvane::system {
namespace {

std::string Errno(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool WritePieces(int fd, std::span<const std::string_view> pieces) {
  std::vector<iovec> vectors;
  for (const std::string_view piece : pieces) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast) writev only reads the buffers
    if (!piece.empty()) vectors.push_back({const_cast<char*>(piece.data()), piece.size()});
  }
  std::size_t first = 0;
  while (first < vectors.size()) {
    const int count = static_cast<int>(std::min<std::size_t>(vectors.size() - first, IOV_MAX));
    ssize_t n = writev(fd, &vectors[first], count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    // Step past what went out, part of a piece included.
    while (n > 0) {
      iovec& v = vectors[first];
      const auto done = std::min(static_cast<std::size_t>(n), v.iov_len);
      v.iov_base = static_cast<char*>(v.iov_base) + done;
      v.iov_len -= done;
      n -= static_cast<ssize_t>(done);
      if (v.iov_len == 0) ++first;
    }
  }
  return true;
}

FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileRead result;
  system::UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
  if (fd.Get() < 0) {
    if (errno == ENOENT) return result;
    result.status = FileRead::Status::kUnreadable;
    result.reason = Errno("cannot open it");
    return result;
  }
  struct stat st {};
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    result.status = FileRead::Status::kUnreadable;
    result.reason = "it is not a regular file";
    return result;
  }
  if (static_cast<std::size_t>(st.st_size) > maxBytes) {
    result.status = FileRead::Status::kTooLarge;
    result.reason = "it is larger than " + std::to_string(maxBytes) + " bytes";
    return result;
  }
  // Read straight into the result, sized from the file with a byte to spare so that its end
  // shows without growing it. The size is only a hint: read to the end, never past the limit.
  std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
  std::size_t have = 0;
  const auto fail = [&](FileRead::Status status, std::string reason) {
    WipeString(bytes);
    result.status = status;
    result.reason = std::move(reason);
    return result;
  };
  for (;;) {
    if (have == bytes.size()) {
      // The file grew while it was read.
      std::string larger(bytes.size() * 2, '\0');
      std::memcpy(larger.data(), bytes.data(), have);
      WipeString(bytes);
      bytes.swap(larger);
    }
    const ssize_t n = read(fd.Get(), bytes.data() + have, bytes.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(FileRead::Status::kUnreadable, Errno("cannot read it"));
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
    if (have > maxBytes) {
      return fail(FileRead::Status::kTooLarge,
                  "it is larger than " + std::to_string(maxBytes) + " bytes");
    }
  }
  bytes.resize(have);
  result.status = FileRead::Status::kRead;
  result.bytes = std::move(bytes);
  return result;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason) {
  return WriteFileAtomically(path, std::span<const std::string_view>(&bytes, 1), reason);
}

bool SyncFolder(const std::string& folder) {
  system::UniqueFd dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.Get() >= 0 && fsync(dir.Get()) == 0;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces,
                         std::string& reason, FolderSync sync) {
  const std::string folder = FolderOf(path);
  // A name no person would choose, so that what a killed write leaves can be told apart and
  // removed later (PrefsFile::RemoveDebris).
  std::string temp = path + std::string(kTemporaryInfix) + "XXXXXX";
  system::UniqueFd fd(mkostemp(temp.data(), O_CLOEXEC));
  if (fd.Get() < 0) {
    reason = Errno("cannot create a temporary file");
    return false;
  }
  const auto fail = [&](const char* what) {
    reason = Errno(what);
    unlink(temp.c_str());
    return false;
  };
  if (fchmod(fd.Get(), 0600) != 0) return fail("cannot set its mode");
  if (!WritePieces(fd.Get(), pieces)) return fail("cannot write it");
  if (fsync(fd.Get()) != 0) return fail("cannot flush it");
  if (!fd.Close()) return fail("cannot close it");
  if (rename(temp.c_str(), path.c_str()) != 0) return fail("cannot replace the old file");
  // The rename itself is durable only once the folder is flushed.
  if (sync == FolderSync::kNow && !SyncFolder(folder)) {
    reason = Errno("cannot flush the folder");
    return false;
  }
  return true;
}

}  // namespace netvane::system
