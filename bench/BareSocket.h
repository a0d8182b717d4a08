// The baseline the link benchmarks are stated against: a second process that answers each
// connection's structure call with as many bytes as it was offered, then its scalar call, and
// a client doing one such request with nothing of the utility in between.
#pragma once

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/userclient/Protocol.h"

namespace netvane::bench {

using userclient::ReplyHeader;
using userclient::RequestHeader;

inline bool ReadFull(int fd, void* p, std::size_t n) {
  return recv(fd, p, n, MSG_WAITALL) == static_cast<ssize_t>(n);
}
inline bool WriteFull(int fd, const void* p, std::size_t n) {
  return send(fd, p, n, MSG_NOSIGNAL) == static_cast<ssize_t>(n);
}

inline sockaddr_un Address(const std::string& path) {
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
  return a;
}

class BareServer {
 public:
  BareServer() {
    char tmpl[] = "/tmp/nvbare-XXXXXX";
    dir_ = mkdtemp(tmpl);
    path_ = dir_ + "/bare.sock";
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un a = Address(path_);
    if (bind(listener, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 ||  // NOLINT
        listen(listener, 16) != 0) {
      throw std::runtime_error("bare server: cannot listen");
    }
    pid_ = fork();
    if (pid_ == 0) Serve(listener);
    close(listener);
  }
  ~BareServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    unlink(path_.c_str());
    rmdir(dir_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  [[noreturn]] static void Serve(int listener) {
    std::vector<uint8_t> buffer(userclient::kMaxFrameLength);
    for (;;) {
      const int fd = accept(listener, nullptr, nullptr);
      if (fd < 0) continue;
      RequestHeader h{};
      if (ReadFull(fd, &h, sizeof h) && h.inLength <= buffer.size() &&
          ReadFull(fd, buffer.data(), h.inLength)) {
        const ReplyHeader r{0, std::min(h.outCapacity, h.inLength)};
        WriteFull(fd, &r, sizeof r);
        WriteFull(fd, buffer.data(), r.outLength);
        if (ReadFull(fd, &h, sizeof h)) {
          const ReplyHeader s{0, 0};
          WriteFull(fd, &s, sizeof s);
        }
      }
      close(fd);
    }
  }
  std::string dir_;
  std::string path_;
  pid_t pid_ = -1;
};

// One bare request: connect, structure call of `size` bytes each way, scalar call, close.
inline void BareRoundTrip(const std::string& path, std::vector<uint8_t>& buffer) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  const sockaddr_un a = Address(path);
  connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);  // NOLINT
  const auto size = static_cast<uint32_t>(buffer.size());
  const RequestHeader h{userclient::kFrameMagic, 1, 0x00010114, size, size};
  ReplyHeader r{};
  WriteFull(fd, &h, sizeof h);
  WriteFull(fd, buffer.data(), size);
  ReadFull(fd, &r, sizeof r);
  ReadFull(fd, buffer.data(), r.outLength);
  const RequestHeader s{userclient::kFrameMagic, 2, 1, 0, 0};
  WriteFull(fd, &s, sizeof s);
  ReadFull(fd, &r, sizeof r);
  close(fd);
}

}  // namespace netvane::bench
