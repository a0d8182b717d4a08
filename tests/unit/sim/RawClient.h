// A minimal client of the driver socket, written from the frame layout alone so that the
// simulator is tested independently of the utility's user-client code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace netvane::sim::testing {

struct RawReply {
  uint32_t status = 0;
  std::vector<uint8_t> out;
};

class RawConnection {
 public:
  explicit RawConnection(const std::string& socketPath);
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;
  ~RawConnection();

  bool Connected() const { return fd_ >= 0; }
  bool SendBytes(const std::vector<uint8_t>& bytes);
  // Empty when the daemon closed the connection (or stayed silent past the timeout).
  std::optional<RawReply> ReadReply();
  // True when the peer has closed: a read returns end of stream.
  bool PeerClosed();

 private:
  bool ReadExactly(uint8_t* data, std::size_t n);
  int fd_ = -1;
};

// One request as the utility makes it: connect, structure call, scalar call 1, close.
std::optional<RawReply> Call(const std::string& socketPath, uint32_t selector,
                             const std::vector<uint8_t>& in, uint32_t capacity);

}  // namespace netvane::sim::testing
