// The requests DoTask sends, through the real driver access object over the fake registry.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "app/Globals.h"
#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "fake_driver/RecordingAlert.h"
#include "survey/KeyBlock.h"
#include "survey/TaskExecutor.h"
#include "survey/TaskQueue.h"

namespace netvane {
namespace {

using testing::Bytes;
using testing::FakeCall;

std::vector<uint8_t> U32(uint32_t v) {
  return Bytes(v);
}

struct Request {
  uint32_t selector;
  std::vector<uint8_t> in;
  bool operator==(const Request&) const = default;
};

void PrintTo(const Request& r, std::ostream* os) {
  *os << std::hex << "0x" << r.selector << std::dec << " (" << r.in.size() << " bytes)";
}

Request Set(uint32_t oid, std::vector<uint8_t> payload) {
  return {SetForm(oid), std::move(payload)};
}

constexpr std::array<uint8_t, 6> kApMac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

std::unique_ptr<PROFILE_DATA> OpenInfrastructure() {
  auto r = std::make_unique<PROFILE_DATA>();
  r->bBssid = 1;
  std::copy(kApMac.begin(), kApMac.end(), r->BSSID);
  r->enumNetworkType = Ndis802_11Infrastructure;
  r->enumPreamType = Cv802_11PreambleAuto;
  r->lRtsThre = 2347;
  r->enumAuthenMode = Ndis802_11AuthModeOpen;
  r->enumEncryStatus = Ndis802_11WEPDisabled;
  r->bDisassociate = 1;
  return r;
}

class TaskExecutorTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

  void Queue(std::unique_ptr<PROFILE_DATA> record, int32_t type = kTaskApply) {
    auto task = ProfileData::setProfileData(std::move(record));
    task->setTaskType(type);
    queue.InsertTaskObject(std::move(task));
  }
  void Run(std::unique_ptr<PROFILE_DATA> record) {
    Queue(std::move(record));
    executor.DoTask();
  }
  std::vector<Request> Requests() const {
    std::vector<Request> out;
    for (const FakeCall& c : fake.StructCalls()) out.push_back({c.selector, c.in});
    return out;
  }
  // Requests between the transmit power and the channel or power-mode step.
  std::vector<Request> KeyRequests() const {
    std::vector<Request> keys;
    bool inKeys = false;
    for (const Request& r : Requests()) {
      if (r.selector == SetForm(OID_CV_802_11_TX_POWER_LEVEL)) {
        inKeys = true;
      } else if (r.selector == SetForm(OID_802_11_POWER_MODE) ||
                 r.selector == OID_802_11_CONFIGURATION) {
        inKeys = false;
      } else if (inKeys) {
        keys.push_back(r);
      }
    }
    return keys;
  }
  uint32_t SentPowerPercent() const {
    for (const Request& r : Requests()) {
      if (r.selector == SetForm(OID_CV_802_11_TX_POWER_LEVEL)) {
        uint32_t v = 0;
        std::memcpy(&v, r.in.data(), 4);
        return v;
      }
    }
    return 0;
  }

  testing::FakeUserClient fake;
  testing::RecordingAlert alert;
  std::vector<unsigned> sleeps;
  CV7000Access access{fake, alert, [this](unsigned s) { sleeps.push_back(s); }};
  TaskQueue queue;
  TaskExecutor executor{access, queue};
};

TEST_F(TaskExecutorTest, OpenInfrastructureSendsTheWholeSequenceThenTheBssid) {
  Run(OpenInfrastructure());
  const std::vector<Request> expected{
      Set(OID_802_11_DISASSOCIATE, U32(0)),
      Set(OID_802_11_INFRASTRUCTURE_MODE, U32(1)),
      Set(OID_CV_802_11_PREAMBLE, U32(2)),
      Set(OID_802_11_RTS_THRESHOLD, U32(2347)),
      Set(OID_802_11_FRAGMENTATION_THRESHOLD, U32(0)),
      Set(OID_802_11_AUTHENTICATION_MODE, U32(0)),
      Set(OID_802_11_WEP_STATUS, U32(1)),
      Set(OID_CV_802_11_TX_POWER_LEVEL, U32(100)),
      Set(OID_802_11_POWER_MODE, U32(0)),
      Set(OID_802_11_BSSID, {kApMac.begin(), kApMac.end()}),
  };
  EXPECT_EQ(Requests(), expected);
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(fake.LiveHandles(), 0U);
}

TEST_F(TaskExecutorTest, WithoutDisassociateOrBssidItAssociatesBySsid) {
  auto r = OpenInfrastructure();
  r->bDisassociate = 0;
  r->bBssid = 0;
  r->SSID.SsidLength = 3;
  std::memcpy(r->SSID.Ssid, "abc", 3);
  const std::vector<uint8_t> ssid = Bytes(r->SSID);
  Run(std::move(r));
  const auto requests = Requests();
  ASSERT_EQ(requests.size(), 9U);
  EXPECT_EQ(requests.front().selector, SetForm(OID_802_11_INFRASTRUCTURE_MODE));
  EXPECT_EQ(requests.back(), Set(OID_802_11_SSID, ssid));
  EXPECT_EQ(requests.back().in.size(), 36U);
}

TEST_F(TaskExecutorTest, TransmitPowerSteps) {
  const std::array<std::pair<uint32_t, uint32_t>, 6> steps{
      {{0, 100}, {1, 75}, {2, 50}, {3, 25}, {4, 12}, {9, 100}}};
  for (const auto& [step, percent] : steps) {
    fake.calls.clear();
    auto r = OpenInfrastructure();
    r->lTxPower = step;
    Run(std::move(r));
    EXPECT_EQ(SentPowerPercent(), percent) << "step " << step;
  }
}

TEST_F(TaskExecutorTest, WepSendsFilledSlotsAndRemovesEmptyOnes) {
  auto r = OpenInfrastructure();
  r->enumEncryStatus = Ndis802_11WEPEnabled;
  SetWepKey(*r, 0, true, std::array<uint8_t, 5>{1, 2, 3, 4, 5});
  const std::vector<uint8_t> block = r->pWEPKey[0];
  Run(std::move(r));

  std::vector<Request> expected{Set(OID_802_11_ADD_KEY, block)};
  for (uint32_t slot = 1; slot < 4; ++slot) {
    NDIS_802_11_REMOVE_KEY remove{};
    remove.Length = 16;
    remove.KeyIndex = slot;
    std::fill(std::begin(remove.BSSID), std::end(remove.BSSID), uint8_t{0xFF});
    expected.push_back(Set(OID_802_11_REMOVE_KEY, Bytes(remove)));
  }
  EXPECT_EQ(KeyRequests(), expected);
}

TEST_F(TaskExecutorTest, WhichCombinationsSendWepKeys) {
  struct Case {
    NDIS_802_11_AUTHENTICATION_MODE auth;
    NDIS_802_11_WEP_STATUS encryption;
    std::size_t keyRequests;
  };
  const std::array<Case, 5> cases{{
      {Ndis802_11AuthModeOpen, Ndis802_11WEPDisabled, 0},
      {Ndis802_11AuthModeOpen, Ndis802_11WEPEnabled, 4},
      {Ndis802_11AuthModeShared, Ndis802_11WEPDisabled, 4},
      {Ndis802_11AuthModeAutoSwitch, Ndis802_11Encryption2Enabled, 0},
      {Ndis802_11AuthModeWPA, Ndis802_11WEPEnabled, 4},
  }};
  for (const Case& c : cases) {
    fake.calls.clear();
    auto r = OpenInfrastructure();
    r->enumAuthenMode = c.auth;
    r->enumEncryStatus = c.encryption;
    Run(std::move(r));
    EXPECT_EQ(KeyRequests().size(), c.keyRequests) << c.auth << "/" << c.encryption;
  }
}

TEST_F(TaskExecutorTest, WpaSendsOnlyThePreSharedKeyBlock) {
  for (auto auth : {Ndis802_11AuthModeWPAPSK, Ndis802_11AuthModeWPANone}) {
    fake.calls.clear();
    auto r = OpenInfrastructure();
    r->enumAuthenMode = auth;
    r->enumEncryStatus = Ndis802_11Encryption2Enabled;
    std::array<uint8_t, kPskLength> psk{};
    psk.fill(0x5A);
    SetWpaKey(*r, psk);
    SetWepKey(*r, 0, true, std::array<uint8_t, 5>{});  // ignored under WPA
    const std::vector<uint8_t> block = r->pWPAKey;
    Run(std::move(r));
    const auto keys = KeyRequests();
    ASSERT_EQ(keys.size(), 1U);
    EXPECT_EQ(keys[0], Set(OID_CV_802_11_ADD_WPA, block));
    EXPECT_EQ(keys[0].in.size(), 71U);
  }
}

TEST_F(TaskExecutorTest, AdhocWritesTheDriversConfigurationBackWithTheChannel) {
  NDIS_802_11_CONFIGURATION current{};
  current.Length = 32;
  current.BeaconPeriod = 100;
  current.ATIMWindow = 7;
  current.DSConfig = 2412000;
  current.FHConfig.HopSet = 3;
  fake.Answer(OID_802_11_CONFIGURATION, Bytes(current));

  auto r = OpenInfrastructure();
  r->enumNetworkType = Ndis802_11IBSS;
  r->lFreq = 2437000;
  r->bBssid = 0;
  Run(std::move(r));

  NDIS_802_11_CONFIGURATION written = current;
  written.DSConfig = 2437000;
  const auto requests = Requests();
  ASSERT_EQ(requests.size(), 11U);
  EXPECT_EQ(requests[8].selector, OID_802_11_CONFIGURATION);  // the query
  EXPECT_EQ(requests[8].in.size(), 32U);
  EXPECT_EQ(requests[9], Set(OID_802_11_CONFIGURATION, Bytes(written)));
  EXPECT_EQ(requests[10].selector, SetForm(OID_802_11_SSID));
  for (const Request& req : requests) EXPECT_NE(req.selector, SetForm(OID_802_11_POWER_MODE));
}

TEST_F(TaskExecutorTest, AdvancedSettingsGoBeforeAssociation) {
  G_enumWirelessMode = PHY_11B;
  auto r = OpenInfrastructure();
  r->bSetAdvance = 1;
  r->configSta.EnableTxBurst = 1;
  r->configSta.UseBGProtection = 2;
  const std::array<uint8_t, 8> rates{0x82, 0x84, 0x8B, 0x96, 0, 0, 0, 0};
  std::copy(rates.begin(), rates.end(), r->aryRates);
  const std::vector<uint8_t> sta = Bytes(r->configSta);
  Run(std::move(r));

  const auto requests = Requests();
  ASSERT_EQ(requests.size(), 13U);
  EXPECT_EQ(requests[9], Set(OID_CV_802_11_PHY_MODE, U32(PHY_11B)));
  EXPECT_EQ(requests[10], Set(OID_CV_802_11_STA_CONFIG, sta));
  EXPECT_EQ(requests[11], Set(OID_802_11_DESIRED_RATES, {rates.begin(), rates.end()}));
  EXPECT_EQ(requests[12].selector, SetForm(OID_802_11_BSSID));
}

TEST_F(TaskExecutorTest, TasksRunOldestFirstAndEachCompletely) {
  auto a = OpenInfrastructure();
  a->BSSID[5] = 0xAA;
  auto b = OpenInfrastructure();
  b->BSSID[5] = 0xBB;
  Queue(std::move(a));
  Queue(std::move(b));
  executor.DoTask();

  const auto requests = Requests();
  ASSERT_EQ(requests.size(), 20U);
  EXPECT_EQ(requests[9].selector, SetForm(OID_802_11_BSSID));
  EXPECT_EQ(requests[9].in.back(), 0xAA);
  EXPECT_EQ(requests[10].selector, SetForm(OID_802_11_DISASSOCIATE));
  EXPECT_EQ(requests[19].in.back(), 0xBB);
  EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(TaskExecutorTest, EmptyQueueSendsNothing) {
  executor.DoTask();
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskExecutorTest, PendingScanIsFetchedOnceAndDropsTheOldestTask) {
  G_bBssidListScan = 1;
  Queue(OpenInfrastructure());
  executor.DoTask();

  EXPECT_EQ(G_bBssidListScan, 0);
  EXPECT_TRUE(queue.IsEmpty());
  ASSERT_FALSE(Requests().empty());
  for (const Request& r : Requests()) {
    EXPECT_TRUE(r.selector == OID_802_11_BSSID_LIST || r.selector == OID_CV_802_11_BSSID_LIST_NEXT)
        << std::hex << r.selector;
  }
  EXPECT_NE(G_pBssidList, nullptr);

  fake.calls.clear();
  executor.DoTask();
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskExecutorTest, RescanStartsAScanThatTheNextRunFetches) {
  Queue(std::make_unique<PROFILE_DATA>(), kTaskRescan);
  executor.DoTask();
  ASSERT_EQ(Requests().size(), 1U);
  EXPECT_EQ(Requests()[0].selector, SetForm(OID_802_11_BSSID_LIST_SCAN));
  EXPECT_EQ(sleeps, std::vector<unsigned>{2});
  EXPECT_EQ(G_bBssidListScan, 1);

  fake.calls.clear();
  executor.DoTask();
  EXPECT_EQ(G_bBssidListScan, 0);
  EXPECT_EQ(Requests().at(0).selector, OID_802_11_BSSID_LIST);
}

TEST_F(TaskExecutorTest, TasksWithoutRecordOrOfUnknownTypeAreDroppedSilently) {
  auto bare = std::make_unique<ProfileData>();
  bare->setProfile(nullptr);
  bare->setTaskType(kTaskApply);
  queue.InsertTaskObject(std::move(bare));
  Queue(OpenInfrastructure(), 7);
  executor.DoTask();
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(TaskExecutorTest, SetTaskQueueQueuesAnApplyTaskWithoutRunningIt) {
  executor.SetTaskQueue(OpenInfrastructure());
  EXPECT_TRUE(fake.calls.empty());
  ASSERT_NE(queue.GetTaskObject(), nullptr);
  EXPECT_EQ(queue.GetTaskObject()->getTaskType(), kTaskApply);
  executor.DoTask();
  EXPECT_EQ(Requests().size(), 10U);
}

}  // namespace
}  // namespace netvane
