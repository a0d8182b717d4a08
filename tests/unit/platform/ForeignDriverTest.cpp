// A socket in the registry that another user serves, or a registry another user made first:
// the client treats either as no driver and sends it nothing. These need root, to hand folders
// to `nobody` and to run a listener as `nobody`.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "driver/CV7000Access.h"
#include "fake_driver/RecordingAlert.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "unit/platform/TempRegistry.h"

namespace netvane::userclient {
namespace {

constexpr uid_t kNobody = 65534;

// Runs `requests` while a child serves `path` as nobody: it binds, becomes nobody and listens
// (a client sees the listener's credentials). Connections queue unaccepted until `requests`
// is done; then the child drains them. Returns the bytes clients sent.
uint64_t BytesSentToNobody(const std::string& path, const std::function<void()>& requests) {
  int toChild[2];
  int fromChild[2];
  EXPECT_EQ(pipe(toChild) | pipe(fromChild), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    close(toChild[1]);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast) the socket API wants it
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || setgid(kNobody) != 0 ||
        setuid(kNobody) != 0 || listen(fd, 8) != 0 || write(fromChild[1], "r", 1) != 1) {
      _exit(1);
    }
    char c = 0;
    (void)read(toChild[0], &c, 1);  // end of file once the requests are over
    fcntl(fd, F_SETFL, O_NONBLOCK);
    uint64_t total = 0;
    for (int peer = 0; (peer = accept(fd, nullptr, nullptr)) >= 0; close(peer)) {
      char buffer[256];
      for (ssize_t n = 0; (n = recv(peer, buffer, sizeof buffer, MSG_DONTWAIT)) > 0;) {
        total += static_cast<uint64_t>(n);
      }
    }
    _exit(write(fromChild[1], &total, sizeof total) == sizeof total ? 0 : 1);
  }
  close(toChild[0]);
  close(fromChild[1]);
  char ready = 0;
  EXPECT_EQ(read(fromChild[0], &ready, 1), 1) << "the listener did not come up";
  requests();
  close(toChild[1]);
  uint64_t total = UINT64_MAX;
  EXPECT_EQ(read(fromChild[0], &total, sizeof total), static_cast<ssize_t>(sizeof total));
  close(fromChild[0]);
  waitpid(pid, nullptr, 0);
  return total;
}

// Two requests through the driver access object while nobody serves `socket`: no driver
// either time, not a byte sent, and one line on standard error naming the refused path and
// the stranger.
void ExpectRefusedOnce(const std::string& socket, const std::string& refused) {
  SocketUserClient client(300);
  netvane::testing::RecordingAlert alert;
  SharedState state;
  CV7000Access access(state, client, alert, nullptr);
  const auto twoRequests = [&] {
    for (int i = 0; i < 2; ++i) {
      uint32_t media = 0;
      uint32_t count = 0;
      EXPECT_FALSE(access.OidQueryInformation(0x00010114, &media, 4, &count));
    }
  };
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(BytesSentToNobody(socket, twoRequests), 0U);
  const std::string err = ::testing::internal::GetCapturedStderr();
  const std::string line = "netvane: not using " + refused + ": ";
  const auto first = err.find(line);
  ASSERT_NE(first, std::string::npos) << err;
  EXPECT_NE(err.find("uid 65534", first), std::string::npos) << err;
  EXPECT_EQ(err.find(line, first + 1), std::string::npos) << "reported twice:\n" << err;
}

TEST(ForeignDriverTest, ADriverSocketServedByAnotherUserGetsNoRequest) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run a listener as nobody";
  TempRegistry registry;
  ExpectRefusedOnce(registry.ServicePath("0"), registry.ServicePath("0"));
}

TEST(ForeignDriverTest, ARegistryAnotherUserMadeFirstIsNotUsed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to plant a registry as nobody";
  TempRegistry runtime(false);
  // What a stranger leaves when /tmp/netvane-<uid> is free: the whole tree, private to them.
  const std::string root = RegistryRoot();
  const std::string dir = ServiceClassDir(kWirelessDriverClass);
  std::filesystem::create_directories(dir);
  for (const std::string& d : {root, root + "/services", dir}) {
    ASSERT_EQ(chmod(d.c_str(), 0700) | chown(d.c_str(), kNobody, kNobody), 0);
  }
  ExpectRefusedOnce(dir + "/0.sock", root);
}

}  // namespace
}  // namespace netvane::userclient
