// Queries answered byte for byte from a snapshot and a folder of counter files.
#include <gtest/gtest.h>

#include <fstream>

#include "core/Counters.h"
#include "support/TempFolder.h"
#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::Ap;
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

DeviceState Joined() {
  DeviceState d = Device();
  AccessPointState ap = Ap("/ap/1", "Home", 1, 5180);
  ap.strength = 50;
  d.accessPoints = {ap};
  d.activeAccessPoint = "/ap/1";
  d.bitrateKbps = 866700;
  return d;
}

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

TEST(Queries, LinkFromTheActiveAccessPoint) {
  Bridge b(Joined());
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_MEDIA_CONNECT_STATUS).out), NdisMediaStateConnected);
  EXPECT_EQ(b.Query(OID_802_11_BSSID).out, (driverkit::Bytes{0x02, 0x11, 0x22, 0x33, 0x44, 1}));
  const auto ssid = As<NDIS_802_11_SSID>(b.Query(OID_802_11_SSID).out);
  EXPECT_EQ(ssid.SsidLength, 4U);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ssid.Ssid), 4), "Home");
  EXPECT_EQ(As<int32_t>(b.Query(OID_802_11_RSSI).out), -70);
  const auto config = As<NDIS_802_11_CONFIGURATION>(b.Query(OID_802_11_CONFIGURATION).out);
  EXPECT_EQ(config.BeaconPeriod, 100U);
  EXPECT_EQ(config.DSConfig, 5180000U);
  const auto link = As<CV_802_11_LINK_STATUS>(b.Query(OID_CV_802_11_QUERY_LINK_STATUS).out);
  EXPECT_EQ(link.CurrTxRate, 1733U);
  EXPECT_EQ(link.ChannelQuality, 50U);
}

TEST(Queries, NoAccessPointAndDeviceStates) {
  DeviceState d = Device();
  d.state = 50;  // still configuring
  d.capabilities = kCapFreq2GHz;
  Bridge b(d);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_MEDIA_CONNECT_STATUS).out), NdisMediaStateDisconnected);
  EXPECT_EQ(b.Query(OID_802_11_BSSID).out, driverkit::Bytes(6, 0));
  EXPECT_EQ(As<int32_t>(b.Query(OID_802_11_RSSI).out), -100);
  EXPECT_EQ(As<NDIS_802_11_CONFIGURATION>(b.Query(OID_802_11_CONFIGURATION).out).DSConfig, 0U);
  // 2.4 GHz only: DS and OFDM24, and b/g.
  EXPECT_EQ(b.Query(OID_802_11_NETWORK_TYPES_SUPPORTED).out,
            (driverkit::Bytes{2, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}));
  EXPECT_EQ(As<uint32_t>(b.Query(OID_CV_802_11_PHY_MODE).out), PHY_11BG_MIXED);

  d.state = kDeviceIpConfig;
  d.capabilities = kCapFreq2GHz | kCapFreq5GHz;
  b.snapshot.SetDevice(d);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_MEDIA_CONNECT_STATUS).out), NdisMediaStateConnected);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_802_11_NETWORK_TYPES_SUPPORTED).out), 3U);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_CV_802_11_PHY_MODE).out), PHY_11ABG_MIXED);
}

TEST(Queries, RadioSwitchesFromTheManager) {
  Bridge b(Device());
  EXPECT_EQ(b.Query(OID_CV_802_11_RADIO).out, (driverkit::Bytes{1, 0, 0, 0}));
  EXPECT_EQ(As<CV_802_11_STA_CONFIG>(b.Query(OID_CV_802_11_STA_CONFIG).out).HwRadioStatus, 1U);
  b.snapshot.SetManager(ManagerState{});
  EXPECT_EQ(b.Query(OID_CV_802_11_RADIO).out, (driverkit::Bytes{0, 0, 0, 0}));
}

TEST(Queries, StatusesForWhatCannotBeAnswered) {
  Bridge b(Joined());
  EXPECT_EQ(b.Query(OID_802_11_SSID, 35).status, kStatusBadArgs);
  EXPECT_EQ(b.Query(OID_802_11_SSID, 36).status, kStatusSuccess);
  EXPECT_EQ(b.Query(0x0D7101FF).status, kStatusBadArgs);
  EXPECT_EQ(b.Query(OID_CV_802_11_EEPROM_VERSION).status, kStatusError);
  b.snapshot.RemoveDevice(testing::kDevicePath);
  EXPECT_EQ(b.Query(OID_802_11_SSID).status, kStatusError);
  EXPECT_EQ(b.Query(OID_802_11_BSSID_LIST).status, kStatusError);
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, 1), kStatusError);
}

TEST(Queries, CountersCountFromTheLastReset) {
  CounterFiles files;
  for (const char* name : {"tx_packets", "tx_errors", "rx_packets", "multicast", "rx_crc_errors",
                           "rx_dropped", "rx_bytes"}) {
    files.Write(name, "100\n");
  }
  DeviceState d = Joined();
  d.txBytes = 5000;  // NetworkManager's own count wins over the kernel's
  files.Write("tx_bytes", "9\n");
  Bridge b(d, files.Root());
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_RCV_OK).out), 100U);
  EXPECT_EQ(b.SetU32(OID_CV_802_11_RESET_COUNTERS, 0), kStatusSuccess);
  EXPECT_TRUE(b.actions.joins.empty());

  files.Write("tx_packets", "110");
  files.Write("tx_errors", "101");
  files.Write("rx_packets", "4294967396\n");  // 2^32 further on
  files.Write("multicast", "103");
  files.Write("rx_crc_errors", "104");
  files.Write("rx_dropped", "105");
  files.Write("rx_bytes", "1100");
  d.txBytes = 7000;
  b.snapshot.SetDevice(d);

  const auto s = As<NDIS_802_11_STATISTICS>(b.Query(OID_802_11_STATISTICS).out);
  // Packed fields: copied out before the comparisons bind references to them.
  const std::vector<uint64_t> counts = {s.Length,
                                        s.TransmittedFragmentCount,
                                        s.FailedCount,
                                        s.ReceivedFragmentCount,
                                        s.MulticastReceivedFrameCount,
                                        s.FCSErrorCount,
                                        s.RetryCount};
  EXPECT_EQ(counts, (std::vector<uint64_t>{100, 10, 1, 4294967296U, 3, 4, 0}));
  // The 32-bit frame count keeps the low word, as the card's wraps.
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_RCV_OK).out), 0U);
  EXPECT_EQ(As<uint32_t>(b.Query(OID_GEN_RCV_NO_BUFFER).out), 5U);
  const auto link = As<CV_802_11_LINK_STATUS>(b.Query(OID_CV_802_11_QUERY_LINK_STATUS).out);
  EXPECT_EQ(link.TxByteCount, 2000U);
  EXPECT_EQ(link.RxByteCount, 1000U);
}

}  // namespace
}  // namespace netvane::nmbridge
