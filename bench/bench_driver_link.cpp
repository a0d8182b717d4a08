// Times one OID request through CV7000Access against cv7000-sim, and the collection of a full
// 65536-byte scan list in 4096-byte parts, each beside a bare Unix-socket round trip of the same
// sizes served by a trivial second process, then prints the ratios.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "MedianReporter.h"
#include "app/Globals.h"
#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "platform/ui/Alert.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/SocketUserClient.h"
#include "support/SimHarness.h"

namespace {

using netvane::userclient::ReplyHeader;
using netvane::userclient::RequestHeader;

class SilentAlert final : public netvane::ui::Alert {
 public:
  void Run(const std::string&, const std::string&) override {}
};

// Counts the structure calls a collection makes, so its bare equivalent can be sized.
class CountingClient final : public netvane::userclient::SocketUserClient {
 public:
  netvane::userclient::KernReturn StructureCall(netvane::userclient::Handle c, uint32_t selector,
                                                const void* in, uint32_t inLength, void* out,
                                                uint32_t* outLength) override {
    ++calls;
    return SocketUserClient::StructureCall(c, selector, in, inLength, out, outLength);
  }
  long calls = 0;
};

bool ReadFull(int fd, void* p, std::size_t n) {
  return recv(fd, p, n, MSG_WAITALL) == static_cast<ssize_t>(n);
}
bool WriteFull(int fd, const void* p, std::size_t n) {
  return send(fd, p, n, MSG_NOSIGNAL) == static_cast<ssize_t>(n);
}

sockaddr_un Address(const std::string& path) {
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
  return a;
}

// The baseline: a second process that answers each connection's structure call with as many
// bytes as it was offered, then its scalar call, and nothing else.
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
    std::vector<uint8_t> buffer(netvane::userclient::kMaxFrameLength);
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
void BareRoundTrip(const std::string& path, std::vector<uint8_t>& buffer) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  const sockaddr_un a = Address(path);
  connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);  // NOLINT
  const auto size = static_cast<uint32_t>(buffer.size());
  const RequestHeader h{netvane::userclient::kFrameMagic, 1, 0x00010114, size, size};
  ReplyHeader r{};
  WriteFull(fd, &h, sizeof h);
  WriteFull(fd, buffer.data(), size);
  ReadFull(fd, &r, sizeof r);
  ReadFull(fd, buffer.data(), r.outLength);
  const RequestHeader s{netvane::userclient::kFrameMagic, 2, 1, 0, 0};
  WriteFull(fd, &s, sizeof s);
  ReadFull(fd, &r, sizeof r);
  close(fd);
}

void BM_BareRoundTrip4(benchmark::State& state) {
  BareServer server;
  std::vector<uint8_t> buffer(4);
  for (auto _ : state) BareRoundTrip(server.path(), buffer);
}

void BM_BareRoundTrip4096(benchmark::State& state) {
  BareServer server;
  std::vector<uint8_t> buffer(4096);
  for (auto _ : state) BareRoundTrip(server.path(), buffer);
}

void BM_OidQuery(benchmark::State& state) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  sim.Start();
  netvane::userclient::SocketUserClient client;
  SilentAlert alert;
  netvane::CV7000Access access(client, alert, nullptr);
  uint32_t mediaState = 0;
  for (auto _ : state) {
    uint32_t count = 0;
    benchmark::DoNotOptimize(
        access.OidQueryInformation(netvane::OID_GEN_MEDIA_CONNECT_STATUS, &mediaState, 4, &count));
  }
}

long g_collectRequests = 0;

void BM_CollectFullScanList(benchmark::State& state) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  // Enough networks to overflow the 65536-byte list.
  sim.Start(R"({"scan": {"max_part_bytes": 4096}, "generate": {"count": 700, "seed": 5}})");
  CountingClient client;
  SilentAlert alert;
  netvane::CV7000Access access(client, alert, nullptr);
  access.QueryBssidList();
  const long perCollection = client.calls;
  for (auto _ : state) access.QueryBssidList();
  g_collectRequests = perCollection;
  state.counters["requests"] = static_cast<double>(perCollection);
  state.counters["entries"] = static_cast<double>(netvane::G_pBssidList->NumberOfItems());
}

BENCHMARK(BM_BareRoundTrip4)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_OidQuery)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_BareRoundTrip4096)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_CollectFullScanList)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  const double bare4 = reporter.Median("BM_BareRoundTrip4");
  const double query = reporter.Median("BM_OidQuery");
  const double bare4096 = reporter.Median("BM_BareRoundTrip4096");
  const double collect = reporter.Median("BM_CollectFullScanList");
  if (bare4 > 0 && query > 0) {
    std::printf("\nOne OID request: %.1f us, bare round trip %.1f us, ratio %.3f (target <= 1.3)\n",
                query, bare4, query / bare4);
  }
  if (bare4096 > 0 && collect > 0 && g_collectRequests > 0) {
    const double bare = bare4096 * static_cast<double>(g_collectRequests);
    std::printf(
        "Full scan list: %.1f us in %ld requests, as many bare 4096-byte round trips %.1f us, "
        "ratio %.3f (target <= 1.3)\n",
        collect, g_collectRequests, bare, collect / bare);
  }
  return 0;
}
