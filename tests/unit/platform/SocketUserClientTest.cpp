// The socket user client against hand-written driver services that misbehave on purpose.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <fcntl.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "driver/CV7000Access.h"
#include "fake_driver/RecordingAlert.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"
#include "platform/userclient/SocketUserClient.h"
#include "unit/platform/TempRegistry.h"

namespace netvane::userclient {
namespace {

// Listens on one service path and hands the first connection to `serve` on its own thread.
class RawService {
 public:
  RawService(const std::string& path, std::function<void(int)> serve) {
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    EXPECT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);  // NOLINT
    EXPECT_EQ(listen(listener_, 4), 0);
    thread_ = std::thread([this, serve = std::move(serve)] {
      const int fd = accept(listener_, nullptr, nullptr);
      if (fd >= 0) {
        serve(fd);
        close(fd);
      }
    });
  }
  ~RawService() {
    shutdown(listener_, SHUT_RDWR);
    thread_.join();
    close(listener_);
  }

 private:
  int listener_ = -1;
  std::thread thread_;
};

RequestHeader ReadRequest(int fd) {
  RequestHeader h{};
  EXPECT_EQ(recv(fd, &h, sizeof h, MSG_WAITALL), static_cast<ssize_t>(sizeof h));
  std::vector<uint8_t> in(h.inLength);
  if (!in.empty()) recv(fd, in.data(), in.size(), MSG_WAITALL);
  return h;
}

void Reply(int fd, uint32_t status, const std::vector<uint8_t>& out, uint32_t claimed) {
  const ReplyHeader r{status, claimed};
  send(fd, &r, sizeof r, MSG_NOSIGNAL);
  if (!out.empty()) send(fd, out.data(), out.size(), MSG_NOSIGNAL);
}

struct Opened {
  SocketUserClient& client;
  Handle port = 0, iter = 0, service = 0, connection = 0;
  explicit Opened(SocketUserClient& c) : client(c) {
    EXPECT_EQ(client.MasterPort(&port), kKernSuccess);
    EXPECT_EQ(client.GetMatchingServices(port, client.ServiceMatching(kWirelessDriverClass), &iter),
              kKernSuccess);
    service = client.IteratorNext(iter);
    EXPECT_NE(service, 0U);
    EXPECT_EQ(client.ServiceOpen(service, 0, &connection), kKernSuccess);
  }
  ~Opened() {
    client.ServiceClose(connection);
    client.ObjectRelease(service);
    client.ObjectRelease(iter);
    client.PortDeallocate(port);
  }
};

TEST(SocketUserClientTest, AnAnswerLongerThanTheCapacityIsNeverWritten) {
  TempRegistry registry;
  RawService service(registry.ServicePath("0"), [](int fd) {
    const auto h = ReadRequest(fd);
    Reply(fd, 0, std::vector<uint8_t>(h.outCapacity + 8, 0xEE), h.outCapacity + 8);
  });
  SocketUserClient client;
  {
    Opened o(client);
    std::array<uint8_t, 16> buffer{};
    uint32_t length = 8;
    EXPECT_NE(client.StructureCall(o.connection, 0x10114, buffer.data(), 8, buffer.data(), &length),
              kKernSuccess);
    EXPECT_EQ(buffer, (std::array<uint8_t, 16>{}));
    EXPECT_NE(client.ScalarCall(o.connection, 1), kKernSuccess);  // the connection is dropped
  }
  EXPECT_EQ(client.LiveHandles(), 0U);
}

TEST(SocketUserClientTest, ADriverThatStopsAnsweringFailsTheRequestAfterTheTimeout) {
  TempRegistry registry;
  int released[2];
  ASSERT_EQ(pipe(released), 0);
  RawService service(registry.ServicePath("0"), [&](int fd) {
    ReadRequest(fd);
    char c = 0;
    (void)read(released[0], &c, 1);  // hold the connection silent until the test is done
  });
  SocketUserClient client(100);
  testing::RecordingAlert alert;
  SharedState state;
  CV7000Access access(state, client, alert, nullptr);
  std::array<uint8_t, 4> buffer{};
  uint32_t count = 0;
  EXPECT_FALSE(access.OidQueryInformation(0x10114, buffer.data(), 4, &count));
  EXPECT_EQ(client.LiveHandles(), 0U);
  (void)write(released[1], "x", 1);
  close(released[0]);
  close(released[1]);
}

// One deadline from the connect on: a driver cannot stretch a request by sending its reply a
// little at a time (each piece well within the timeout of the one before), nor by answering
// the scalar call late.
TEST(SocketUserClientTest, AReplyTrickledPastTheDeadlineFails) {
  TempRegistry registry;
  RawService service(registry.ServicePath("0"), [](int fd) {
    ReadRequest(fd);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Reply(fd, kStatusSuccess, {}, 4);  // the header alone
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    send(fd, "abcd", 4, MSG_NOSIGNAL);
  });
  SocketUserClient client(300);
  Opened o(client);
  std::array<uint8_t, 4> buffer{};
  uint32_t length = 4;
  EXPECT_EQ(client.StructureCall(o.connection, 0x10114, buffer.data(), 4, buffer.data(), &length),
            kKernTimeout);
  EXPECT_EQ(buffer, (std::array<uint8_t, 4>{}));
}

TEST(SocketUserClientTest, TheScalarCallHasOnlyWhatIsLeftOfTheDeadline) {
  TempRegistry registry;
  RawService service(registry.ServicePath("0"), [](int fd) {
    for (int call = 0; call < 2; ++call) {
      ReadRequest(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(400));
      Reply(fd, kStatusSuccess, {}, 0);
    }
  });
  SocketUserClient client(600);
  Opened o(client);
  uint32_t length = 0;
  EXPECT_EQ(client.StructureCall(o.connection, 0x0DF10103, nullptr, 0, nullptr, &length),
            kKernSuccess);
  EXPECT_EQ(client.ScalarCall(o.connection, 1), kKernTimeout);  // due at 600 ms, answered at 800
}

TEST(SocketUserClientTest, ARefusedRequestHasNoAnswer) {
  TempRegistry registry;
  RawService service(registry.ServicePath("0"), [](int fd) {
    // A refusal that carries a record anyway, every bit set (the EEPROM error bit among them).
    const auto h = ReadRequest(fd);
    Reply(fd, kStatusError, std::vector<uint8_t>(h.outCapacity, 0xFF), h.outCapacity);
    ReadRequest(fd);
    Reply(fd, kStatusSuccess, {}, 0);
  });
  SocketUserClient client;
  Opened o(client);
  std::array<uint8_t, 32> buffer{};
  uint32_t length = 32;
  EXPECT_EQ(
      client.StructureCall(o.connection, 0x0D710111, buffer.data(), 32, buffer.data(), &length),
      static_cast<KernReturn>(kStatusError));
  EXPECT_EQ(length, 0U);
  EXPECT_EQ(buffer, (std::array<uint8_t, 32>{}));
  EXPECT_EQ(client.ScalarCall(o.connection, 1), kKernSuccess);  // the refusal was read whole
}

TEST(RegistryTest, ServicesAreListedInByteOrderAndOnlySockets) {
  TempRegistry registry;
  for (const char* name : {"b.sock", "a.sock", "B.sock", "notes.txt"}) {
    std::ofstream(ServiceClassDir(kWirelessDriverClass) + "/" + name) << "x";
  }
  const auto services = ListServices(kWirelessDriverClass);
  ASSERT_EQ(services.size(), 3U);
  EXPECT_TRUE(services[0].ends_with("/B.sock"));
  EXPECT_TRUE(services[1].ends_with("/a.sock"));
  EXPECT_TRUE(services[2].ends_with("/b.sock"));
}

TEST(RegistryTest, TheServiceDirectorySeesEveryChangeOfTheFolder) {
  TempRegistry registry;
  const std::string dir = ServiceClassDir(kWirelessDriverClass);
  ServiceDirectory services;
  EXPECT_TRUE(services.List(kWirelessDriverClass).empty());
  // Changes right after one another, within one tick of the file clock.
  std::ofstream(dir + "/0.sock") << "x";
  EXPECT_EQ(services.List(kWirelessDriverClass).size(), 1U);
  std::ofstream(dir + "/1.sock") << "x";
  EXPECT_EQ(services.List(kWirelessDriverClass).size(), 2U);
  // A folder left alone for a while, then changed: the change is seen too.
  timespec past[2]{};
  past[0].tv_sec = past[1].tv_sec = std::time(nullptr) - 60;
  ASSERT_EQ(utimensat(AT_FDCWD, dir.c_str(), past, 0), 0);
  EXPECT_EQ(services.List(kWirelessDriverClass).size(), 2U);
  std::filesystem::remove(dir + "/0.sock");
  EXPECT_EQ(services.List(kWirelessDriverClass).size(), 1U);
  std::filesystem::remove_all(dir);
  EXPECT_TRUE(services.List(kWirelessDriverClass).empty());
}

TEST(RegistryTest, RootFollowsTheRuntimeDirectory) {
  setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
  EXPECT_EQ(RegistryRoot(), "/run/user/4242/netvane");
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(RegistryRoot(), "/tmp/netvane-" + std::to_string(geteuid()));
}

}  // namespace
}  // namespace netvane::userclient
