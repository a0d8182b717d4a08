// Card bring-up decisions, the channel plan and the signal quality scale.
#include <gtest/gtest.h>

#include "driver/CV7000Access.h"
#include "driver/ChannelFreqTable.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"
#include "unit/driver/ScanBuilders.h"

namespace netvane {
namespace {

using testing::Bytes;

std::vector<uint8_t> TypeList(std::vector<uint32_t> types) {
  std::vector<uint8_t> out(4 + 4 * types.size());
  testing::SetU32(out, 0, static_cast<uint32_t>(types.size()));
  for (std::size_t i = 0; i < types.size(); ++i) testing::SetU32(out, 4 + 4 * i, types[i]);
  return out;
}

class CardInitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.Answer(OID_802_11_BSSID_LIST, testing::MakeList({testing::MakeEntry("Cafe")}));
  }
  void SetErrorBits(uint32_t bits) {
    CV_802_11_STA_CONFIG config{};
    config.SystemErrorBitmap = bits;
    fake.Answer(OID_CV_802_11_STA_CONFIG, Bytes(config));
  }
  std::vector<uint32_t> Selectors() const {
    std::vector<uint32_t> out;
    for (const auto& c : fake.StructCalls()) out.push_back(c.selector);
    return out;
  }

  testing::FakeUserClient fake;
  testing::FakeAlert alert;
  std::vector<unsigned> slept;
  SharedState state;
  CV7000Access access{state, fake, alert, [this](unsigned s) { slept.push_back(s); }};
};

TEST_F(CardInitTest, InvalidEepromShowsTheAlertAndStopsBeforeAnyScan) {
  SetErrorBits(kSystemErrorEeprom);
  EXPECT_FALSE(access.InitCard());
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, "EEPRON error!!");
  EXPECT_EQ(alert.shown[0].informativeText, "EEPROM Version error. Please update EEPROM contents.");
  EXPECT_EQ(Selectors(), std::vector<uint32_t>{OID_CV_802_11_STA_CONFIG});
  EXPECT_TRUE(slept.empty());
  EXPECT_EQ(state.G_pBssidList, nullptr);
}

TEST_F(CardInitTest, AGoodCardLearnsItsTypesAndMakesTheFirstScan) {
  SetErrorBits(0x00000002);  // not the EEPROM bit
  EXPECT_TRUE(access.InitCard());
  EXPECT_TRUE(alert.shown.empty());
  EXPECT_EQ(Selectors(), (std::vector<uint32_t>{
                             OID_CV_802_11_STA_CONFIG, OID_802_11_NETWORK_TYPES_SUPPORTED,
                             0x0D81011AU, OID_802_11_BSSID_LIST, OID_CV_802_11_BSSID_LIST_NEXT}));
  EXPECT_EQ(slept, std::vector<unsigned>{2});
  ASSERT_NE(state.G_pBssidList, nullptr);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 1U);
  EXPECT_EQ(state.G_bDialogRunning, 0);
  // A failed configuration query reads as zeros: the card is accepted.
  fake.Answer(OID_CV_802_11_STA_CONFIG, {}, 0x2BC);
  EXPECT_TRUE(access.InitCard());
  EXPECT_TRUE(alert.shown.empty());
}

TEST_F(CardInitTest, FiveGigahertzIsLearnedFromTheFourTypesThatFitAndNeverForgotten) {
  const auto answer = [this](std::vector<uint32_t> types, uint32_t count) {
    auto list = TypeList(std::move(types));
    testing::SetU32(list, 0, count);
    fake.Answer(OID_802_11_NETWORK_TYPES_SUPPORTED, list);
    access.CheckPhyMode();
  };
  answer({1, 3, 1, 3, Ndis802_11OFDM5}, 5);  // the fifth does not fit the 20-byte buffer
  EXPECT_EQ(fake.StructCalls().at(0).capacity, 20U);
  answer({1, 3}, 0xFFFFFFFF);  // a count far beyond the buffer is read no further
  EXPECT_EQ(state.G_bSupportAMode, 0);
  answer({Ndis802_11DS, Ndis802_11OFDM24, Ndis802_11OFDM5}, 3);
  EXPECT_EQ(state.G_bSupportAMode, 1);
  answer({Ndis802_11DS}, 1);
  EXPECT_EQ(state.G_bSupportAMode, 1);
}

TEST(ChannelPlanTest, FrequenciesAndChannels) {
  EXPECT_EQ(G_nChanFreqCount, 41);
  EXPECT_EQ(ChannelForFrequency(2412000), 1U);
  EXPECT_EQ(ChannelForFrequency(5805000), 161U);
  EXPECT_EQ(ChannelForFrequency(2485000), std::nullopt);
  EXPECT_EQ(FrequencyForChannel(14), 2484000U);
  EXPECT_EQ(FrequencyForChannel(36), std::nullopt);
  // The plan itself: 2407 + 5c MHz up to channel 13, 5000 + 5c MHz on 5 GHz.
  for (const auto& row : ChannelFreqTable) {
    if (row.lChannel <= 13) {
      EXPECT_EQ(row.lFreq, (2407 + 5 * row.lChannel) * 1000);
    } else if (row.lChannel >= 34) {
      EXPECT_EQ(row.lFreq, (5000 + 5 * row.lChannel) * 1000);
    }
  }
}

TEST(SignalQualityTest, ScaleIsContinuousAndTruncates) {
  const std::vector<std::pair<int32_t, uint32_t>> cases = {
      {0, 100},  {-50, 100}, {-51, 99}, {-65, 63}, {-80, 24},
      {-81, 23}, {-85, 13},  {-90, 0},  {-91, 0},  {INT32_MIN, 0}};
  for (const auto& [rssi, quality] : cases) {
    EXPECT_EQ(CV7000Access::ConvertRssiToSignalQuality(rssi), quality) << rssi;
  }
}

}  // namespace
}  // namespace netvane
