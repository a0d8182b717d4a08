// The requests DoTask sends, through the real driver access object over the fake registry.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "fake_driver/RecordingAlert.h"
#include "state/SharedState.h"
#include "survey/KeyBlock.h"
#include "survey/TaskExecutor.h"
#include "survey/TaskQueue.h"

namespace netvane {
namespace {

using testing::Bytes;

struct Request {
  uint32_t selector;
  std::vector<uint8_t> in;
  bool operator==(const Request&) const = default;
};
void PrintTo(const Request& r, std::ostream* os) {
  *os << std::hex << "0x" << r.selector << std::dec << " (" << r.in.size() << " bytes)";
}
Request Set(uint32_t oid, std::vector<uint8_t> in) {
  return {SetForm(oid), std::move(in)};
}
Request Set(uint32_t oid, uint32_t value) {
  return Set(oid, Bytes(value));
}
Request SetBlock(uint32_t oid, const SecretBytes& block) {
  return Set(oid, std::vector<uint8_t>(block.begin(), block.end()));
}

std::unique_ptr<PROFILE_DATA> OpenInfrastructure(uint8_t tag = 0x55) {
  auto r = std::make_unique<PROFILE_DATA>();
  r->bBssid = 1;
  r->BSSID[5] = tag;
  r->enumNetworkType = Ndis802_11Infrastructure;
  r->enumPreamType = Cv802_11PreambleAuto;
  r->lRtsThre = 2347;
  r->enumEncryStatus = Ndis802_11WEPDisabled;
  r->bDisassociate = 1;
  return r;
}

class TaskExecutorTest : public ::testing::Test {
 protected:
  void Queue(std::unique_ptr<PROFILE_DATA> record, int32_t type = kTaskApply) {
    auto task = ProfileData::setProfileData(std::move(record));
    task->setTaskType(type);
    queue.InsertTaskObject(std::move(task));
  }
  std::vector<Request> Run(std::unique_ptr<PROFILE_DATA> record) {
    fake.calls.clear();
    Queue(std::move(record));
    executor.DoTask();
    return Requests();
  }
  std::vector<Request> Requests() const {
    std::vector<Request> out;
    for (const auto& c : fake.StructCalls()) out.push_back({c.selector, c.in});
    return out;
  }
  // What follows the transmit power (step 8) up to the channel or power mode.
  static std::vector<Request> Keys(const std::vector<Request>& all) {
    const auto last = std::find_if(all.begin() + 8, all.end(), [](const Request& r) {
      return r.selector == SetForm(OID_802_11_POWER_MODE) || r.selector == OID_802_11_CONFIGURATION;
    });
    return {all.begin() + 8, last};
  }

  testing::FakeUserClient fake;
  testing::RecordingAlert alert;
  std::vector<unsigned> sleeps;
  SharedState state;
  CV7000Access access{state, fake, alert, [this](unsigned s) { sleeps.push_back(s); }};
  TaskQueue queue;
  TaskExecutor executor{state, access, queue};
};

TEST_F(TaskExecutorTest, OpenInfrastructureSendsTheWholeSequenceThenTheBssid) {
  const std::vector<Request> expected{
      Set(OID_802_11_DISASSOCIATE, 0U),
      Set(OID_802_11_INFRASTRUCTURE_MODE, 1U),
      Set(OID_CV_802_11_PREAMBLE, 2U),
      Set(OID_802_11_RTS_THRESHOLD, 2347U),
      Set(OID_802_11_FRAGMENTATION_THRESHOLD, 0U),
      Set(OID_802_11_AUTHENTICATION_MODE, 0U),
      Set(OID_802_11_WEP_STATUS, 1U),
      Set(OID_CV_802_11_TX_POWER_LEVEL, 100U),
      Set(OID_802_11_POWER_MODE, 0U),
      Set(OID_802_11_BSSID, {0, 0, 0, 0, 0, 0x55}),
  };
  EXPECT_EQ(Run(OpenInfrastructure()), expected);
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(fake.LiveHandles(), 0U);

  auto quiet = OpenInfrastructure();
  quiet->bDisassociate = 0;
  EXPECT_EQ(Run(std::move(quiet)).front().selector, SetForm(OID_802_11_INFRASTRUCTURE_MODE));
}

TEST_F(TaskExecutorTest, TransmitPowerSteps) {
  const std::array<std::pair<uint32_t, uint32_t>, 6> steps{
      {{0, 100}, {1, 75}, {2, 50}, {3, 25}, {4, 12}, {9, 100}}};
  for (const auto& [step, percent] : steps) {
    auto r = OpenInfrastructure();
    r->lTxPower = step;
    EXPECT_EQ(Run(std::move(r))[7], Set(OID_CV_802_11_TX_POWER_LEVEL, percent)) << step;
  }
}

TEST_F(TaskExecutorTest, WepSendsFilledSlotsAndRemovesEmptyOnes) {
  auto r = OpenInfrastructure();
  r->enumEncryStatus = Ndis802_11WEPEnabled;
  SetWepKey(*r, 0, true, std::array<uint8_t, 5>{1, 2, 3, 4, 5});
  std::vector<Request> expected{SetBlock(OID_802_11_ADD_KEY, r->pWEPKey[0])};
  for (uint32_t slot = 1; slot < 4; ++slot) {
    NDIS_802_11_REMOVE_KEY remove{16, slot, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {}};
    expected.push_back(Set(OID_802_11_REMOVE_KEY, Bytes(remove)));
  }
  EXPECT_EQ(Keys(Run(std::move(r))), expected);

  // Which combinations send WEP keys at all: shared key, or WEP on.
  const std::array<std::tuple<NDIS_802_11_AUTHENTICATION_MODE, NDIS_802_11_WEP_STATUS, size_t>, 4>
      cases{{{Ndis802_11AuthModeOpen, Ndis802_11WEPDisabled, 0},
             {Ndis802_11AuthModeShared, Ndis802_11WEPDisabled, 4},
             {Ndis802_11AuthModeAutoSwitch, Ndis802_11Encryption2Enabled, 0},
             {Ndis802_11AuthModeWPA, Ndis802_11WEPEnabled, 4}}};
  for (const auto& [auth, encryption, count] : cases) {
    auto c = OpenInfrastructure();
    c->enumAuthenMode = auth;
    c->enumEncryStatus = encryption;
    EXPECT_EQ(Keys(Run(std::move(c))).size(), count) << auth << "/" << encryption;
  }
}

TEST_F(TaskExecutorTest, WpaSendsOnlyThePreSharedKeyBlock) {
  for (auto auth : {Ndis802_11AuthModeWPAPSK, Ndis802_11AuthModeWPANone}) {
    auto r = OpenInfrastructure();
    r->enumAuthenMode = auth;
    r->enumEncryStatus = Ndis802_11Encryption2Enabled;
    SetWpaKey(*r, std::array<uint8_t, kPskLength>{7});
    SetWepKey(*r, 0, true, std::array<uint8_t, 5>{});  // not sent under WPA
    const std::vector<Request> expected{SetBlock(OID_CV_802_11_ADD_WPA, r->pWPAKey)};
    EXPECT_EQ(Keys(Run(std::move(r))), expected);
    EXPECT_EQ(expected[0].in.size(), 71U);
  }
}

TEST_F(TaskExecutorTest, AdhocWritesTheConfigurationBackWithItsChannelThenTheSsid) {
  NDIS_802_11_CONFIGURATION current{32, 100, 7, 2412000, {16, 1, 3, 4}};
  fake.Answer(OID_802_11_CONFIGURATION, Bytes(current));
  auto r = OpenInfrastructure();
  r->enumNetworkType = Ndis802_11IBSS;
  r->lFreq = 2437000;
  r->bBssid = 0;
  r->SSID.SsidLength = 3;
  std::memcpy(r->SSID.Ssid, "abc", 3);
  const Request ssid = Set(OID_802_11_SSID, Bytes(r->SSID));

  NDIS_802_11_CONFIGURATION written = current;
  written.DSConfig = 2437000;
  const std::vector<Request> tail{{OID_802_11_CONFIGURATION, std::vector<uint8_t>(32, 0)},
                                  Set(OID_802_11_CONFIGURATION, Bytes(written)),
                                  ssid};
  const auto requests = Run(std::move(r));
  ASSERT_EQ(requests.size(), 11U);  // and so no power mode
  EXPECT_EQ(std::vector<Request>(requests.begin() + 8, requests.end()), tail);
  EXPECT_EQ(ssid.in.size(), 36U);
}

TEST_F(TaskExecutorTest, AdvancedSettingsGoBeforeAssociation) {
  state.G_enumWirelessMode = PHY_11B;
  auto r = OpenInfrastructure();
  r->bSetAdvance = 1;
  r->configSta.UseBGProtection = 2;
  r->aryRates[0] = 0x82;
  const std::vector<Request> expected{
      Set(OID_CV_802_11_PHY_MODE, uint32_t{PHY_11B}),
      Set(OID_CV_802_11_STA_CONFIG, Bytes(r->configSta)),
      Set(OID_802_11_DESIRED_RATES, {0x82, 0, 0, 0, 0, 0, 0, 0}),
      Set(OID_802_11_BSSID, {0, 0, 0, 0, 0, 0x55}),
  };
  const auto requests = Run(std::move(r));
  ASSERT_EQ(requests.size(), 13U);
  EXPECT_EQ(std::vector<Request>(requests.begin() + 9, requests.end()), expected);
}

TEST_F(TaskExecutorTest, TasksRunOldestFirstEachCompletelyAndBadOnesAreDropped) {
  Queue(OpenInfrastructure(0xAA));
  executor.SetTaskQueue(OpenInfrastructure(0xBB));  // queued, not run
  EXPECT_TRUE(fake.calls.empty());
  auto bare = std::make_unique<ProfileData>();
  bare->setProfile(nullptr);
  bare->setTaskType(kTaskApply);
  queue.InsertTaskObject(std::move(bare));
  Queue(OpenInfrastructure(0xCC), 7);

  executor.DoTask();
  const auto requests = Requests();
  ASSERT_EQ(requests.size(), 20U);
  EXPECT_EQ(requests[9].in.back(), 0xAA);
  EXPECT_EQ(requests[10].selector, SetForm(OID_802_11_DISASSOCIATE));
  EXPECT_EQ(requests[19].in.back(), 0xBB);
  EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(TaskExecutorTest, ScansStartedByARescanAreFetchedByTheNextRunOnly) {
  executor.DoTask();  // nothing queued, nothing pending
  EXPECT_TRUE(fake.calls.empty());

  Queue(std::make_unique<PROFILE_DATA>(), kTaskRescan);
  executor.DoTask();
  EXPECT_EQ(Requests(), std::vector<Request>{Set(OID_802_11_BSSID_LIST_SCAN, 0U)});
  EXPECT_EQ(sleeps, std::vector<unsigned>{2});
  EXPECT_EQ(state.G_bBssidListScan, 1);

  // A task queued while the scan is pending is dropped unrun.
  fake.calls.clear();
  Queue(OpenInfrastructure());
  executor.DoTask();
  EXPECT_EQ(state.G_bBssidListScan, 0);
  EXPECT_TRUE(queue.IsEmpty());
  ASSERT_NE(state.G_pBssidList, nullptr);
  for (const Request& r : Requests()) {
    EXPECT_TRUE(r.selector == OID_802_11_BSSID_LIST || r.selector == OID_CV_802_11_BSSID_LIST_NEXT);
  }

  fake.calls.clear();
  executor.DoTask();
  EXPECT_TRUE(fake.calls.empty());
}

}  // namespace
}  // namespace netvane
