// The real daemon over its socket, spoken to by a raw client written from the frame layout alone,
// so that the simulator is tested independently of the utility's user-client code.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "core/Hex.h"
#include "driverkit/Frame.h"
#include "platform/userclient/Protocol.h"
#include "support/SimHarness.h"

namespace netvane::sim {
namespace {

namespace uc = userclient;
using driverkit::Bytes;
using driverkit::EncodeRequest;
using driverkit::WriteU32;
using Answer = std::pair<uint32_t, Bytes>;  // status and payload

const Bytes kScalar = EncodeRequest(uc::kKindScalar, 1, {}, 0);

class RawConnection {
 public:
  explicit RawConnection(const std::string& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    path.copy(addr.sun_path, sizeof addr.sun_path - 1);
    // Below the daemon's 5-second deadline: a connection it fails to close shows as a timeout.
    const timeval timeout{3, 0};
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    // A connection refused shows as a failed send.
    static_cast<void>(connect(fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr));
  }
  ~RawConnection() { close(fd_); }

  bool Send(const Bytes& b) { return send(fd_, b.data(), b.size(), MSG_NOSIGNAL) == std::ssize(b); }
  // Empty when the daemon closed the connection (or stayed silent) instead of answering.
  std::optional<Answer> Read() {
    const auto all = [this](void* p, std::size_t n) {
      return n == 0 || recv(fd_, p, n, MSG_WAITALL) == static_cast<ssize_t>(n);
    };
    uint32_t header[2] = {};  // status, payload length
    if (!all(header, sizeof header)) return std::nullopt;
    Bytes out(header[1]);
    if (!all(out.data(), out.size())) return std::nullopt;
    return Answer{header[0], out};
  }

 private:
  int fd_;
};

class SimDaemonTest : public ::testing::Test {
 protected:
  void SetUp() override { sim_.Start(); }
  // One request as the utility makes it: connect, structure call, scalar call, close.
  std::optional<Answer> Call(uint32_t selector, const Bytes& in, uint32_t capacity) {
    RawConnection c(sim_.SocketPath());
    if (!c.Send(EncodeRequest(uc::kKindStructure, selector, in, capacity))) return std::nullopt;
    auto answer = c.Read();
    if (!answer || !c.Send(kScalar) || !c.Read()) return std::nullopt;
    return answer;
  }
  testing::SimHarness sim_;
};

// Socket and trace are the owner's alone, even under umask 0 or a trace left wider by an earlier
// run; the trace holds every call with key bytes masked; the socket goes at exit.
TEST_F(SimDaemonTest, ServesItsOwnerAloneAndTracesEveryCallWithoutKeyBytes) {
  const auto keyRecord = [](const Bytes& key) {  // length, slot 0, key length, the key at 28
    Bytes record(28 + key.size() + 11, 0);
    WriteU32(record, 0, static_cast<uint32_t>(record.size()));
    WriteU32(record, 8, static_cast<uint32_t>(key.size()));
    std::copy(key.begin(), key.end(), record.begin() + 28);
    return record;
  };
  const Bytes wep = keyRecord({0xa1, 0xb2, 0xc3, 0xd4, 0xe5});
  const Bytes psk = keyRecord(Bytes(32, 0x3c));
  EXPECT_EQ(sim_.Stop(), 0);
  EXPECT_FALSE(std::filesystem::exists(sim_.SocketPath()));
  const mode_t saved = umask(0);
  chmod(sim_.TracePath().c_str(), 0644);
  sim_.Start();
  umask(saved);
  for (const std::string& path : {sim_.SocketPath(), sim_.TracePath()}) {
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777U, 0600U) << path;
  }
  sim_.ClearTrace();
  EXPECT_EQ(Call(0x01010102, Bytes(6, 0), 6), (Answer{0, {0x02, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}}));
  Call(0x0D81011D, wep, 0);
  Call(0x0DF10116, psk, 0);
  const auto trace = sim_.Trace();
  ASSERT_EQ(trace.size(), 6U);
  EXPECT_EQ(trace[0]["out"], "021a2b3c4d5e");
  EXPECT_EQ(trace[2]["in"], ToHex(wep).replace(56, 10, 10, '*'));
  EXPECT_EQ(trace[4]["in"], ToHex(psk).replace(56, 64, 64, '*'));
}

}  // namespace
}  // namespace netvane::sim
