// What the status end to end does not reach: counter files that do not hold a number, the
// 32-bit counters wrapping, and queries that cannot be answered.
#include <gtest/gtest.h>

#include <fstream>

#include "core/Counters.h"
#include "support/TempFolder.h"
#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::As;
using testing::Bridge;
using testing::Device;
using userclient::kStatusBadArgs;
using userclient::kStatusError;
using userclient::kStatusSuccess;

class CounterFiles {
 public:
  CounterFiles() { std::filesystem::create_directories(Folder()); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Folder() + "/" + name) << text;
  }
  const std::string& Root() const { return temp_.Path(); }

 private:
  std::string Folder() const { return temp_.Path() + "/wlp2s0/statistics"; }
  netvane::testing::TempFolder temp_;
};

TEST(SysfsCounters, ReadsOnlyADecimalNumber) {
  CounterFiles files;
  files.Write("rx_packets", "123456789012\n");
  files.Write("tx_packets", "12a\n");
  files.Write("multicast", std::string(40, '1'));
  const SysfsCounters counters(files.Root(), "wlp2s0");
  EXPECT_EQ(counters.Read("rx_packets"), 123456789012U);
  EXPECT_FALSE(counters.Read("tx_packets"));
  EXPECT_FALSE(counters.Read("multicast"));
  EXPECT_FALSE(counters.Read("../statistics/rx_packets"));
}

TEST(Queries, ThirtyTwoBitCountersKeepTheLowWord) {
  CounterFiles files;
  for (const char* name : {"tx_packets", "tx_errors", "rx_packets", "multicast", "rx_crc_errors",
                           "rx_dropped", "tx_bytes", "rx_bytes"}) {
    files.Write(name, "100\n");
  }
  Bridge b(Device(), files.Root());
  EXPECT_EQ(b.SetU32(OID_CV_802_11_RESET_COUNTERS, 0), kStatusSuccess);
  files.Write("rx_packets", "4294967396\n");  // 2^32 further on
  const auto s = As<NDIS_802_11_STATISTICS>(b.Query(OID_802_11_STATISTICS).out);
  EXPECT_EQ(uint64_t{s.ReceivedFragmentCount}, 4294967296U);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_RCV_OK).out), 0U);  // as the card's count wraps
}

TEST(Queries, StatusesForWhatCannotBeAnswered) {
  Bridge b(Device());
  EXPECT_EQ(b.Query(OID_802_11_SSID, 35).status, kStatusBadArgs);
  EXPECT_EQ(b.Query(OID_802_11_SSID, 36).status, kStatusSuccess);
  EXPECT_EQ(b.Query(0x0D7101FF).status, kStatusBadArgs);
  EXPECT_EQ(b.Query(OID_CV_802_11_EEPROM_VERSION).status, kStatusError);
  b.snapshot.RemoveDevice(testing::kDevicePath);
  EXPECT_EQ(b.Query(OID_802_11_SSID).status, kStatusError);
  EXPECT_EQ(b.Query(OID_802_11_BSSID_LIST).status, kStatusError);
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, 1), kStatusError);
}

}  // namespace
}  // namespace netvane::nmbridge
