#include "driverkit/DriverInfoFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace netvane::driverkit {
namespace {

constexpr const char* kFileName = "/Info.plist";

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteDriverInfo(const std::string& dir, std::string_view driverVersion, const Date& date,
                     std::string& error) {
  std::tm noon{};
  noon.tm_year = date.year - 1900;
  noon.tm_mon = date.month - 1;
  noon.tm_mday = date.day;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const timespec times[2] = {{std::mktime(&noon), 0}, {std::mktime(&noon), 0}};

  // A private temporary name per process, so that instances starting together never share one.
  const std::string path = dir + kFileName;
  const std::string temp = path + "." + std::to_string(getpid()) + ".tmp";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  bool ok = fd >= 0;
  if (ok) {
    // fchmod rather than the creation mode, which the umask would narrow.
    ok = WriteAll(fd, DriverInfoPlist(driverVersion)) && fchmod(fd, 0644) == 0 &&
         futimens(fd, times) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
  }
  if (!ok) {
    error = path + ": " + std::strerror(errno);
    unlink(temp.c_str());
  }
  return ok;
}

void RemoveDriverInfo(const std::string& dir) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    if (entry.path().extension() == ".sock") return;  // another instance still publishes it
  }
  unlink((dir + kFileName).c_str());
}

}  // namespace netvane::driverkit
