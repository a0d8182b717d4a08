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
#include <string>

#include "driver/CV7000Access.h"
#include "fake_driver/RecordingAlert.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "unit/platform/TempRegistry.h"

namespace netvane::userclient {
namespace {

constexpr uid_t kNobody = 65534;

// A service socket whose listener is `nobody`: a child binds it, becomes nobody and listens
// (the credentials a client sees are the listener's). Connections queue unaccepted until
// Received(), which drains them and counts every byte clients sent.
class NobodyListener {
 public:
  explicit NobodyListener(const std::string& path) {
    int ready[2];
    int stop[2];
    int result[2];
    EXPECT_EQ(pipe(ready) | pipe(stop) | pipe(result), 0);
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      close(stop[1]);
      close(result[0]);
      Serve(path, ready[1], stop[0], result[1]);
    }
    close(ready[1]);
    close(stop[0]);
    close(result[1]);
    char c = 0;
    EXPECT_EQ(read(ready[0], &c, 1), 1) << "the listener did not come up";
    close(ready[0]);
    stop_ = stop[1];
    result_ = result[0];
  }
  NobodyListener(const NobodyListener&) = delete;
  NobodyListener& operator=(const NobodyListener&) = delete;
  ~NobodyListener() { Received(); }

  uint64_t Received() {
    if (pid_ <= 0) return total_;
    close(stop_);
    EXPECT_EQ(read(result_, &total_, sizeof total_), static_cast<ssize_t>(sizeof total_));
    close(result_);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return total_;
  }

 private:
  [[noreturn]] static void Serve(const std::string& path, int ready, int stop, int result) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast) the socket API wants it
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || setgid(kNobody) != 0 ||
        setuid(kNobody) != 0 || listen(fd, 8) != 0 || write(ready, "r", 1) != 1) {
      _exit(1);
    }
    char c = 0;
    (void)read(stop, &c, 1);  // until the test closes its end
    fcntl(fd, F_SETFL, O_NONBLOCK);
    uint64_t total = 0;
    for (int peer = 0; (peer = accept(fd, nullptr, nullptr)) >= 0; close(peer)) {
      char buffer[256];
      for (ssize_t n = 0; (n = recv(peer, buffer, sizeof buffer, MSG_DONTWAIT)) > 0;) {
        total += static_cast<uint64_t>(n);
      }
    }
    _exit(write(result, &total, sizeof total) == sizeof total ? 0 : 1);
  }

  pid_t pid_ = -1;
  int stop_ = -1;
  int result_ = -1;
  uint64_t total_ = 0;
};

// Two requests through the driver access object: no driver either time, not a byte sent, and
// one line on standard error that names the refused path and the stranger.
void ExpectRefusedOnce(NobodyListener& listener, const std::string& refused) {
  SocketUserClient client(300);
  netvane::testing::RecordingAlert alert;
  SharedState state;
  CV7000Access access(state, client, alert, nullptr);
  ::testing::internal::CaptureStderr();
  for (int i = 0; i < 2; ++i) {
    uint32_t media = 0;
    uint32_t count = 0;
    EXPECT_FALSE(access.OidQueryInformation(0x00010114, &media, 4, &count));
  }
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(listener.Received(), 0U);
  const std::string line = "netvane: not using " + refused + ": ";
  const auto first = err.find(line);
  ASSERT_NE(first, std::string::npos) << err;
  EXPECT_NE(err.find("uid 65534", first), std::string::npos) << err;
  EXPECT_EQ(err.find(line, first + 1), std::string::npos) << "reported twice:\n" << err;
}

TEST(ForeignDriverTest, ADriverSocketServedByAnotherUserGetsNoRequest) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run a listener as nobody";
  TempRegistry registry;
  NobodyListener listener(registry.ServicePath("0"));
  ExpectRefusedOnce(listener, registry.ServicePath("0"));
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
  NobodyListener listener(dir + "/0.sock");
  ExpectRefusedOnce(listener, root);
}

}  // namespace
}  // namespace netvane::userclient
