// The registry's private folders and its service directory, and the socket user client
// against hand-written driver services that misbehave on purpose or belong to someone else.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "driver/CV7000Access.h"
#include "platform/system/PrivateFolder.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "support/LogRecorder.h"
#include "support/ScriptedIoClock.h"
#include "support/TempFolder.h"
#include "support/ui/FakeAlert.h"

namespace netvane::userclient {
namespace {

namespace fs = std::filesystem;
constexpr uid_t kNobody = 65534;

// A fresh folder for one test, XDG_RUNTIME_DIR pointing into it, and the registry in it.
struct TempRegistry {
  TempRegistry() {
    std::string tmpl = (fs::temp_directory_path() / "nvreg-XXXXXX").string();
    runtime = mkdtemp(tmpl.data());
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    EXPECT_TRUE(EnsureServiceClassDir(kWirelessDriverClass).ok);
    dir = ServiceClassDir(kWirelessDriverClass);
    socket = dir + "/0.sock";
  }
  ~TempRegistry() { fs::remove_all(runtime); }
  std::string runtime, dir, socket;
};

// A client learns the user that called listen, so `as` (root only) makes it another user's.
int Listen(const std::string& path, uid_t as = geteuid()) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{AF_UNIX, {}};
  std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
  EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);  // NOLINT socket API
  EXPECT_TRUE(seteuid(as) == 0 && listen(fd, 8) == 0 && seteuid(getuid()) == 0);
  return fd;
}

// Hands the first connection to `path` (within 5 seconds) to `serve` on a thread of its own.
std::jthread Serve(const std::string& path, std::function<void(int)> serve) {
  return std::jthread([listener = Listen(path), serve = std::move(serve)] {
    pollfd p{listener, POLLIN, 0};
    const int fd = poll(&p, 1, 5000) == 1 ? accept(listener, nullptr, nullptr) : -1;
    if (fd >= 0) serve(fd);
    close(fd);
    close(listener);
  });
}

RequestHeader ReadRequest(int fd) {
  RequestHeader h{};
  EXPECT_EQ(recv(fd, &h, sizeof h, MSG_WAITALL), static_cast<ssize_t>(sizeof h));
  std::vector<uint8_t> in(h.inLength);
  if (!in.empty()) recv(fd, in.data(), in.size(), MSG_WAITALL);  // no data: no wait
  return h;
}

// The header, then `out`.
void Reply(int fd, uint32_t status, uint32_t claimed, const std::vector<uint8_t>& out = {}) {
  const ReplyHeader r{status, claimed};
  send(fd, &r, sizeof r, MSG_NOSIGNAL);
  send(fd, out.data(), out.size(), MSG_NOSIGNAL);
}

// A connection opened through the handle API; the client closes it when it goes.
Handle Open(SocketUserClient& c) {
  Handle port = 0, iter = 0, connection = 0;
  c.MasterPort(&port);
  c.GetMatchingServices(port, c.ServiceMatching(kWirelessDriverClass), &iter);
  EXPECT_EQ(c.ServiceOpen(c.IteratorNext(iter), 0, &connection), kKernSuccess);
  return connection;
}

// One query through the driver access object, as every page makes it.
bool Query(SocketUserClient& client, void* buffer, uint32_t length) {
  testing::FakeAlert alert;
  SharedState state;
  CV7000Access access(state, client, alert, nullptr);
  uint32_t count = 0;
  return access.OidQueryInformation(0x00010114, buffer, length, &count);
}

TEST(PrivateFolderTest, AMissingOneIsBornPrivateAndAnUntrustworthyOneIsRefusedAndLeftAlone) {
  const TempRegistry scratch;
  const std::string path = scratch.runtime + "/reg";
  const auto mode = [&] {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : mode_t{0};
  };
  const mode_t saved = umask(0);
  EXPECT_TRUE(system::EnsurePrivateFolder(path).ok);
  umask(saved);
  EXPECT_EQ(mode() & 07777, 0700U);
  fs::remove(path);

  const auto expectRefused = [&](const char* what) {
    const mode_t before = mode();
    const auto result = system::EnsurePrivateFolder(path);
    EXPECT_FALSE(result.ok || result.reason.empty()) << what;
    EXPECT_EQ(mode(), before) << what;
    fs::remove_all(path);
  };
  for (const mode_t writable : {0770U, 0703U}) {
    ASSERT_TRUE(mkdir(path.c_str(), 0700) == 0 && chmod(path.c_str(), writable) == 0);
    expectRefused("writable by group or others");
  }
  fs::create_directory_symlink(scratch.runtime, path);  // to a private folder
  expectRefused("symbolic link");
  std::ofstream(path) << "x";
  expectRefused("file");
  if (geteuid() != 0) GTEST_SKIP() << "not root: a folder of another owner cannot be made";
  ASSERT_TRUE(mkdir(path.c_str(), 0700) == 0 && chown(path.c_str(), kNobody, kNobody) == 0);
  expectRefused("another owner");
}

TEST(SocketUserClientTest, AnAnswerLongerThanOfferedIsNeverWritten) {
  const TempRegistry registry;
  const auto service = Serve(registry.socket, [](int fd) {
    const uint32_t longer = ReadRequest(fd).outCapacity + 8;
    Reply(fd, kStatusSuccess, longer, std::vector<uint8_t>(longer, 0xEE));
  });
  SocketUserClient client;
  std::array<uint8_t, 16> buffer{};
  EXPECT_FALSE(Query(client, buffer.data(), 8));
  EXPECT_EQ(buffer, (std::array<uint8_t, 16>{}));
  EXPECT_EQ(client.LiveHandles(), 0U);  // the dropped connection is closed and released too
}

using ScriptedClock = testing::ScriptedIoClock;

// One deadline from the connect on (600 ms): no stretching a request by trickling the reply,
// each piece well within the timeout of the one before, nor by answering the scalar call late.
TEST(SocketUserClientTest, OneDeadlineCoversTheWholeConnection) {
  for (const bool trickled : {true, false}) {
    const TempRegistry registry;
    const int listener = Listen(registry.socket);
    int driver = -1;
    ScriptedClock clock;
    clock.At(400, [&] {
      driver = accept(listener, nullptr, nullptr);
      ReadRequest(driver);
      Reply(driver, kStatusSuccess, trickled ? 4 : 0);
    });
    clock.At(800, [&] {  // the record, or the scalar call's answer
      const std::array<uint8_t, 4> record = {1, 2, 3, 4};
      trickled ? static_cast<void>(send(driver, record.data(), 4, MSG_NOSIGNAL))
               : Reply(driver, kStatusSuccess, 0);
    });
    SocketUserClient client(600, clock);
    const Handle connection = Open(client);
    std::array<uint8_t, 4> buffer{};
    uint32_t length = 4;
    EXPECT_EQ(
        client.StructureCall(connection, 0x00010114, buffer.data(), 4, buffer.data(), &length),
        trickled ? kKernTimeout : kKernSuccess);
    EXPECT_EQ(buffer, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(client.ScalarCall(connection, 1), trickled ? kKernFailure : kKernTimeout);
    close(driver);
    close(listener);
  }
}

TEST(SocketUserClientTest, ARefusedRequestHasNoAnswer) {
  const TempRegistry registry;
  const auto service = Serve(registry.socket, [](int fd) {
    // A refusal that carries a record anyway, every bit set (the EEPROM error bit among them).
    Reply(fd, kStatusError, ReadRequest(fd).outCapacity, std::vector<uint8_t>(32, 0xFF));
    ReadRequest(fd);
    Reply(fd, kStatusSuccess, 0);
  });
  SocketUserClient client;
  const Handle connection = Open(client);
  std::array<uint8_t, 32> buffer{};
  uint32_t length = 32;
  EXPECT_EQ(client.StructureCall(connection, 0x0D710111, buffer.data(), 32, buffer.data(), &length),
            static_cast<KernReturn>(kStatusError));
  EXPECT_EQ(length, 0U);
  EXPECT_EQ(buffer, (std::array<uint8_t, 32>{}));
  EXPECT_EQ(client.ScalarCall(connection, 1), kKernSuccess);  // the refusal was read whole
}

// Nobody serves the socket, or made the registry's root first (anyone can while /tmp/netvane-<uid>
// is free) and the socket in it leads to our own server. Two requests: no driver either time,
// not a byte sent, one line on standard error naming the refused path and the stranger.
TEST(SocketUserClientTest, ADriverOrARegistryOfAnotherUserGetsNoRequest) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to act as nobody";
  for (const bool theirRegistry : {false, true}) {
    SCOPED_TRACE(theirRegistry ? "their registry" : "their driver");
    const TempRegistry registry;
    const std::string root = RegistryRoot();
    ASSERT_TRUE(!theirRegistry || chown(root.c_str(), kNobody, kNobody) == 0);
    const int listener = Listen(registry.socket, theirRegistry ? geteuid() : kNobody);
    SocketUserClient client(300);
    std::array<uint8_t, 4> media{};
    testing::LogRecorder log;
    for (int request = 0; request < 2; ++request) EXPECT_FALSE(Query(client, media.data(), 4));
    const std::string err = log.Text();
    fcntl(listener, F_SETFL, O_NONBLOCK);
    for (int peer = 0; (peer = accept(listener, nullptr, nullptr)) >= 0; close(peer)) {
      EXPECT_LE(recv(peer, media.data(), 1, MSG_DONTWAIT), 0) << "a request was sent";
    }
    close(listener);
    const std::string line = "netvane: not using " + (theirRegistry ? root : registry.socket);
    const auto first = err.find(line + ": ");
    ASSERT_NE(first, std::string::npos) << err;
    EXPECT_NE(err.find("uid 65534", first), std::string::npos) << err;
    // Whose it is, by name, and who can help: in sticky /tmp only an administrator can remove it.
    EXPECT_TRUE(!theirRegistry ||
                err.find("it belongs to another user, nobody (uid 65534); an administrator must "
                         "remove it\n",
                         first) != std::string::npos)
        << err;
    EXPECT_EQ(err.find(line, first + 1), std::string::npos) << "reported twice:\n" << err;
  }
}

TEST(RegistryTest, TheServiceDirectoryListsSocketsInByteOrderAndSeesEveryChange) {
  const TempRegistry registry;
  ServiceDirectory services;
  const auto names = [&] {
    std::string out;
    for (const auto& path : services.List(kWirelessDriverClass))
      out += path.substr(registry.dir.size());
    return out;
  };
  struct stat st {};
  ASSERT_EQ(stat(registry.dir.c_str(), &st), 0);
  const auto setTime = [&](timespec t) {
    const timespec times[2] = {t, t};
    ASSERT_EQ(utimensat(AT_FDCWD, registry.dir.c_str(), times, 0), 0);
  };
  EXPECT_EQ(names(), "");
  for (const char* name : {"b.sock", "notes.txt", "a.sock", "B.sock"})
    std::ofstream(registry.dir + "/" + name) << "x";
  setTime(st.st_mtim);  // changes within one tick of the file clock: the time has not moved
  EXPECT_EQ(names(), "/B.sock/a.sock/b.sock");
  fs::remove(registry.dir + "/a.sock");
  setTime({std::time(nullptr) - 30, 0});  // a change long before the listing that follows
  EXPECT_EQ(names(), "/B.sock/b.sock");
  fs::remove_all(registry.dir);
  EXPECT_EQ(names(), "");
}

// Without the variable, the user's own folder under /run/user (here a stand-in) comes before
// /tmp, where anyone may take the name first; a folder there that is not ours alone is passed by.
TEST(RegistryTest, RootFollowsTheRuntimeDirectoryThenTheUsersRunFolder) {
  const testing::TempFolder run;
  const std::string mine = run.File(std::to_string(geteuid()));
  const std::string tmp = "/tmp/netvane-" + std::to_string(geteuid());
  ASSERT_EQ(mkdir(mine.c_str(), 0700), 0);
  setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
  EXPECT_EQ(RegistryRoot(run.Path()), "/run/user/4242/netvane");
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(RegistryRoot(run.Path()), mine + "/netvane");
  chmod(mine.c_str(), 0777);
  EXPECT_EQ(RegistryRoot(run.Path()), tmp) << "others may write to it";
  chmod(mine.c_str(), 0700);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(mine.c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(RegistryRoot(run.Path()), tmp) << "another user's";
  }
  rmdir(mine.c_str());
  EXPECT_EQ(RegistryRoot(run.Path()), tmp) << "missing";
}

}  // namespace
}  // namespace netvane::userclient
