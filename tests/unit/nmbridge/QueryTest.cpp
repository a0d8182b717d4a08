// The 32-bit counters wrapping, which the status end to end does not reach.
#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"
#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::As;
using testing::Bridge;
using testing::Device;
using userclient::kStatusSuccess;

TEST(Queries, ThirtyTwoBitCountersKeepTheLowWord) {
  const netvane::testing::TempFolder sysfs;
  const std::string folder = sysfs.Path() + "/wlp2s0/statistics";
  const auto write = [&](const std::string& name, const char* text) {
    std::ofstream(folder + "/" + name) << text;
  };
  std::filesystem::create_directories(folder);
  write("rx_packets", "100\n");
  Bridge b(Device(), sysfs.Path());
  EXPECT_EQ(b.SetU32(OID_CV_802_11_RESET_COUNTERS, 0), kStatusSuccess);
  write("rx_packets", "4294967396\n");  // 2^32 further on
  const auto s = As<NDIS_802_11_STATISTICS>(b.Query(OID_802_11_STATISTICS).out);
  EXPECT_EQ(uint64_t{s.ReceivedFragmentCount}, 4294967296U);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_RCV_OK).out), 0U);  // as the card's count wraps
}

}  // namespace
}  // namespace netvane::nmbridge
