// The status pages over the fake driver registry: the link status states and every figure's
// arithmetic, the statistics counters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "status/AboutFigures.h"
#include "status/LinkFigures.h"
#include "status/LinkStatusPageController.h"
#include "status/StatisticsPageController.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"
#include "support/ui/ManualTimer.h"

namespace netvane {
namespace {

using testing::Bytes;
using testing::FakeTextField;

TEST(LinkFiguresTest, RatesThroughputAndSmoothedQualities) {
  EXPECT_EQ(ThroughputText(256, 4294967040U), "2.0") << "a wrapped counter";
  EXPECT_EQ(SmoothedLinkQuality(82, 30), 64u) << "46 averaged with 82, rounded half up";
  EXPECT_EQ(SmoothedLinkQuality(0, 4000000000U), 100u) << "capped before it is made an integer";
  EXPECT_STREQ(QualityGrade(41), "NORMAL ");
  EXPECT_STREQ(QualityGrade(40), "WEAK ");
  // The about page's EEPROM version: bytes 2 and 3, each in full (the simulator tests the rest).
  EXPECT_EQ(EepromVersionText({0x00, 0x00, 0x01, 0x0A}), "1.10");
}

class StatusPagesTest : public ::testing::Test {
 protected:
  StatusPagesTest() { state.G_bDeviceExist = 1; }
  void Associate(uint32_t rate, uint32_t quality, uint32_t txBytes, int32_t rssi,
                 uint32_t kHz = 2437000) {
    driver.Answer(OID_GEN_MEDIA_CONNECT_STATUS, Bytes(uint32_t{NdisMediaStateConnected}));
    NDIS_802_11_SSID ssid{4, {'H', 'o', 'm', 'e'}};
    driver.Answer(OID_802_11_SSID, Bytes(ssid));
    driver.Answer(OID_802_11_BSSID, {0x02, 0xC0, 0x7A, 0x00, 0x00, 0x04});
    NDIS_802_11_CONFIGURATION config{};
    config.DSConfig = kHz;
    driver.Answer(OID_802_11_CONFIGURATION, Bytes(config));
    driver.Answer(OID_CV_802_11_QUERY_LINK_STATUS,
                  Bytes(CV_802_11_LINK_STATUS{rate, quality, txBytes, 0}));
    driver.Answer(OID_802_11_RSSI, Bytes(rssi));
  }

  SharedState state;
  testing::FakeUserClient driver;
  testing::FakeAlert alert;
  CV7000Access adapter{state, driver, alert, [](unsigned) {}};
  testing::ManualTimer timer;
  std::array<FakeTextField, 7> texts;
  testing::FakeProgressBar link, signal;
  testing::FakeToggle dBm;
  testing::FakeHistoryView history;
  std::vector<std::string> connectLines;
  LinkStatusPageController page{state,
                                adapter,
                                {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5],
                                 texts[6], link, signal, dBm, history},
                                timer,
                                [this](const std::string& line) { connectLines.push_back(line); }};
};

TEST_F(StatusPagesTest, LinkStatusInEachStateWithAFreshBaselineAfterTheAdapterWasAway) {
  Associate(108, 60, 10000, -65);
  page.awakeFromNib();
  Associate(11, 60, 10500, -65);
  timer.Fire();
  // The status, channel and rate lines are proved against the simulator (StatusIntegrationTest).
  EXPECT_EQ(texts[3].text, "2.0");
  EXPECT_EQ(texts[5].text, "GOOD 82%");
  EXPECT_EQ(texts[6].text, "NORMAL 63%");
  dBm.on = true;
  timer.Fire();
  EXPECT_EQ(texts[6].text, "NORMAL -65 dBm");
  EXPECT_EQ(history.samples.back().link, 82);

  // Removed, then back with counters from a new driver: no absurd throughput.
  state.G_bDeviceExist = 0;
  timer.Fire();
  state.G_bDeviceExist = 1;
  Associate(108, 60, 77, -65);
  timer.Fire();
  EXPECT_EQ(texts[3].text, "0.0");

  driver.Answer(OID_GEN_MEDIA_CONNECT_STATUS, Bytes(uint32_t{NdisMediaStateDisconnected}));
  CV_802_11_STA_CONFIG radio{};
  radio.HwRadioStatus = 1;
  driver.Answer(OID_CV_802_11_STA_CONFIG, Bytes(radio));
  timer.Fire();
  EXPECT_EQ(texts[0].text, "Disconnected");
  EXPECT_FALSE(dBm.on) << "a disconnection switches dBm off";
  EXPECT_EQ(texts[2].text, "");
  EXPECT_EQ(connectLines.back(), "** Disconnected **");
  EXPECT_EQ(history.samples.back().link, -1);
}

TEST_F(StatusPagesTest, FiveGigahertzAndFrequenciesOutsideThePlanKeepThePageMoving) {
  Associate(108, 60, 10000, -65, 5825000);
  page.awakeFromNib();
  timer.Fire();
  EXPECT_EQ(texts[1].text, "165 <--> 5825000 KHz");
  Associate(72, 60, 10500, -65, 5950000);
  timer.Fire();
  EXPECT_EQ(texts[1].text, "5950 MHz");
  EXPECT_EQ(texts[2].text, "36 Mbps") << "the rest of the tick still runs";
  EXPECT_EQ(history.samples.size(), 2U);
}

TEST_F(StatusPagesTest, CountersInFullAndFrozenWhileTheAdapterIsAway) {
  std::array<FakeTextField, kStatisticsFields> f;
  StatisticsPageController stats(
      state, adapter, {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]}, timer);
  NDIS_802_11_STATISTICS counters{};
  counters.TransmittedFragmentCount = 5000000000ULL;
  counters.RetryCount = 6000000000ULL;
  counters.FrameDuplicateCount = 7;
  driver.Answer(OID_802_11_STATISTICS, Bytes(counters));
  driver.Answer(OID_GEN_RCV_OK, Bytes(uint32_t{4000000000U}));
  stats.OnTimer();
  EXPECT_EQ(f[0].text, "5000000000");
  EXPECT_EQ(f[1].text, "-1000000000") << "more retries than fragments";
  EXPECT_EQ(f[6].text, "4000000000");
  EXPECT_EQ(f[9].text, "7");
  // The reset is proved against the simulator (StatusIntegrationTest).
  state.G_bDeviceExist = 0;
  driver.calls.clear();
  stats.OnTimer();
  EXPECT_TRUE(driver.calls.empty()) << "the adapter away: the fields freeze";
}

}  // namespace
}  // namespace netvane
