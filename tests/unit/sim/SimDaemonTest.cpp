// The real daemon over its socket, spoken to with a raw client built from the frame layout.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/Frame.h"
#include "core/Hex.h"
#include "platform/userclient/Protocol.h"
#include "support/SimHarness.h"
#include "unit/sim/RawClient.h"

namespace netvane::sim {
namespace {

using netvane::testing::SimHarness;
using testing::Call;
using testing::RawConnection;
namespace uc = userclient;

std::vector<uint8_t> Word(uint32_t v) {
  return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8U), static_cast<uint8_t>(v >> 16U),
          static_cast<uint8_t>(v >> 24U)};
}

class SimDaemonTest : public ::testing::Test {
 protected:
  void SetUp() override { sim_.Start(); }
  SimHarness sim_;
};

TEST_F(SimDaemonTest, ServesAQueryAndTracesBothCalls) {
  struct stat st {};
  ASSERT_EQ(stat(sim_.SocketPath().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777U, 0600U);

  const auto reply = Call(sim_.SocketPath(), 0x01010102, std::vector<uint8_t>(6, 0), 6);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->status, uc::kStatusSuccess);
  EXPECT_EQ(reply->out, (std::vector<uint8_t>{0x02, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}));

  const auto trace = sim_.Trace();
  ASSERT_EQ(trace.size(), 2U);
  EXPECT_EQ(trace[0].dump(),
            nlohmann::json::parse(
                R"({"seq":1,"call":"struct","selector":"0x01010102","set":false,"in":"000000000000",
          "capacity":6,"status":0,"out":"021a2b3c4d5e"})")
                .dump());
  EXPECT_EQ(trace[1].dump(),
            nlohmann::json::parse(R"({"seq":2,"call":"scalar","selector":1,"status":0})").dump());
}

TEST_F(SimDaemonTest, ASetIsStoredAndAnsweredBackAndAssociationShowsInMediaState) {
  const auto set = Call(sim_.SocketPath(), 0x0DF1010C, Word(1), 0);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->status, uc::kStatusSuccess);
  EXPECT_TRUE(set->out.empty());
  EXPECT_EQ(Call(sim_.SocketPath(), 0x0D71010C, Word(0), 4)->out, Word(1));

  std::vector<uint8_t> ssid = Word(12);
  const std::string name = "CorvaneGuest";
  ssid.insert(ssid.end(), name.begin(), name.end());
  ssid.resize(36, 0);
  sim_.ClearTrace();
  EXPECT_EQ(Call(sim_.SocketPath(), 0x0D810102, ssid, 0)->status, uc::kStatusSuccess);
  EXPECT_EQ(Call(sim_.SocketPath(), 0x00010114, Word(0), 4)->out, Word(0));
  const auto trace = sim_.Trace();
  ASSERT_EQ(trace.size(), 4U);
  EXPECT_EQ(trace[0]["set"], true);
  EXPECT_EQ(trace[0]["selector"], "0x0d810102");
}

TEST_F(SimDaemonTest, BadFramesCloseTheConnectionAndTheDaemonKeepsServing) {
  const std::vector<std::vector<uint8_t>> bad = {
      EncodeRequest(7, 0x00010114, Word(0), 4),                  // unknown kind
      EncodeRequest(uc::kKindStructure, 0x00010114, {}, 65537),  // capacity too large
      {0x43, 0x55, 0x56, 0x4F, 1, 0, 0, 0},                      // wrong magic
  };
  for (const auto& frame : bad) {
    RawConnection c(sim_.SocketPath());
    ASSERT_TRUE(c.Connected());
    ASSERT_TRUE(c.SendBytes(frame));
    EXPECT_TRUE(c.PeerClosed());
  }
  EXPECT_TRUE(sim_.Trace().empty());
  EXPECT_EQ(Call(sim_.SocketPath(), 0x00010114, Word(0), 4)->status, uc::kStatusSuccess);
}

TEST_F(SimDaemonTest, RepliesNeverExceedTheOfferedCapacity) {
  const auto small = Call(sim_.SocketPath(), 0x0D020212, std::vector<uint8_t>(50, 0), 50);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->status, uc::kStatusBadArgs);
  EXPECT_TRUE(small->out.empty());
  const auto part = Call(sim_.SocketPath(), 0x0D010217, std::vector<uint8_t>(600, 0), 600);
  ASSERT_TRUE(part);
  EXPECT_LE(part->out.size(), 600U);
}

TEST_F(SimDaemonTest, SigtermRemovesTheSocketAndStartingAgainIsReinsertion) {
  EXPECT_EQ(sim_.Stop(), 0);
  EXPECT_FALSE(std::filesystem::exists(sim_.SocketPath()));
  EXPECT_FALSE(Call(sim_.SocketPath(), 0x00010114, Word(0), 4));

  sim_.Start(R"({"radio": false, "card": {"mac": "02:00:00:00:00:07"}})");
  EXPECT_EQ(Call(sim_.SocketPath(), 0x01010102, std::vector<uint8_t>(6, 0), 6)->out,
            (std::vector<uint8_t>{2, 0, 0, 0, 0, 7}));
  const auto list = Call(sim_.SocketPath(), 0x0D010217, std::vector<uint8_t>(4096, 0), 4096);
  EXPECT_EQ(list->out, Word(0));  // radio off: nothing heard
}

TEST_F(SimDaemonTest, ACallOutOfTurnClosesTheConnectionUnanswered) {
  const auto mac = EncodeRequest(uc::kKindStructure, 0x01010102, std::vector<uint8_t>(6, 0), 6);
  RawConnection scalarFirst(sim_.SocketPath());
  ASSERT_TRUE(scalarFirst.SendBytes(EncodeRequest(uc::kKindScalar, 1, {}, 0)));
  EXPECT_TRUE(scalarFirst.PeerClosed());
  RawConnection twoStructures(sim_.SocketPath());
  ASSERT_TRUE(twoStructures.SendBytes(mac) && twoStructures.ReadReply());
  ASSERT_TRUE(twoStructures.SendBytes(mac));
  EXPECT_TRUE(twoStructures.PeerClosed());
  EXPECT_EQ(sim_.Trace().size(), 1U);
}

// The deadline runs from accept, not from the last frame, so a client pacing its frames holds
// the daemon no longer than that; the next client is served while it still has its end open.
TEST_F(SimDaemonTest, OneDeadlineFromAcceptCoversBothCalls) {
  sim_.Stop();
  sim_.SetConnectionTimeoutMs(600);
  sim_.Start();
  const auto mac = EncodeRequest(uc::kKindStructure, 0x01010102, std::vector<uint8_t>(6, 0), 6);
  const auto scalar = EncodeRequest(uc::kKindScalar, 1, {}, 0);
  RawConnection slow(sim_.SocketPath());
  const auto accepted = std::chrono::steady_clock::now();
  const auto sendAt = [&](const std::vector<uint8_t>& frame, int ms) {
    slow.SendBytes({frame.begin(), frame.end() - 1});
    std::this_thread::sleep_until(accepted + std::chrono::milliseconds(ms));
    slow.SendBytes({frame.back()});
  };
  sendAt(mac, 300);
  EXPECT_TRUE(slow.ReadReply());
  sendAt(scalar, 800);  // within 600 ms of the first answer, but not of accept
  EXPECT_FALSE(slow.ReadReply());
  EXPECT_TRUE(Call(sim_.SocketPath(), 0x00010114, Word(0), 4));
}

// An NDIS_802_11_KEY as the utility builds it: 28 header bytes, the key, 11 zero bytes.
std::vector<uint8_t> KeyRecord(const std::vector<uint8_t>& key) {
  std::vector<uint8_t> record(28 + key.size() + 11, 0);
  WriteU32(record, 0, static_cast<uint32_t>(record.size()));
  WriteU32(record, 4, 0x80000000U);
  WriteU32(record, 8, static_cast<uint32_t>(key.size()));
  std::copy(key.begin(), key.end(), record.begin() + 28);
  return record;
}

TEST_F(SimDaemonTest, KeyBytesAreMaskedInTheTraceUnlessAskedFor) {
  const auto wep = KeyRecord({0xa1, 0xb2, 0xc3, 0xd4, 0xe5});
  const auto psk = KeyRecord(std::vector<uint8_t>(32, 0x3c));
  for (const bool shown : {false, true}) {
    sim_.Stop();
    sim_.SetTraceKeys(shown);
    sim_.ClearTrace();
    sim_.Start();
    Call(sim_.SocketPath(), 0x0D81011D, wep, 0);
    Call(sim_.SocketPath(), 0x0DF10116, psk, 0);
    const auto trace = sim_.Trace();
    ASSERT_EQ(trace.size(), 4U);
    EXPECT_EQ(trace[0]["in"], shown ? ToHex(wep) : ToHex(wep).replace(56, 10, 10, '*'));
    EXPECT_EQ(trace[2]["in"], shown ? ToHex(psk) : ToHex(psk).replace(56, 64, 64, '*'));
  }
}

// The trace holds every request: it is the owner's alone even under umask 0, and a file left
// by an earlier run with wider access is narrowed.
TEST_F(SimDaemonTest, TheTraceFileIsTheOwnersAlone) {
  struct stat st {};
  for (const bool existed : {false, true}) {
    sim_.Stop();
    if (existed) chmod(sim_.TracePath().c_str(), 0644);
    const mode_t saved = umask(0);
    if (!existed) unlink(sim_.TracePath().c_str());
    sim_.Start();
    umask(saved);
    ASSERT_EQ(stat(sim_.TracePath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777U, 0600U) << (existed ? "narrowed" : "created");
  }
}

TEST(SimHarnessTest, ABrokenScenarioFailsToStartWithItsExitCode) {
  SimHarness sim;
  try {
    sim.Start(R"({"networks": [{"ssid": "x", "bssid": "nope"}]})");
    FAIL() << "the daemon started";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("code 2"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(sim.Running());
}

}  // namespace
}  // namespace netvane::sim
