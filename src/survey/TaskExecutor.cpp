#include "survey/TaskExecutor.h"

#include <algorithm>
#include <vector>

#include "driver/CV7000Access.h"
#include "driver/ChannelFreqTable.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/system/Log.h"
#include "state/SharedState.h"
#include "survey/TaskQueue.h"

namespace netvane {
namespace {

// The transport makes one attempt whatever is asked; the value is kept for the call's shape.
constexpr int32_t kSetRetry = 3;

template <typename T>
uint32_t SizeOf(const T& /*value*/) {
  return static_cast<uint32_t>(sizeof(T));
}

}  // namespace

uint32_t TaskExecutor::TxPowerPercent(uint32_t step) {
  switch (step) {
    case 1:
      return 75;
    case 2:
      return 50;
    case 3:
      return 25;
    case 4:
      return 12;
    default:
      return 100;
  }
}

void TaskExecutor::SetTaskQueue(std::unique_ptr<PROFILE_DATA> record) {
  auto task = ProfileData::setProfileData(std::move(record));
  task->setTaskType(kTaskApply);
  queue_.InsertTaskObject(std::move(task));
}

void TaskExecutor::DoTask() {
  // Debug lines: each task in a verbose session log.
  if (state_.G_bBssidListScan == 1) {
    system::LogDebug(system::LogCategory::kSurvey,
                     "#### SiteSurveyPageController - Probe - 0 ####");
    state_.G_bBssidListScan = 0;
    adapter_.QueryBssidList();
    // A task queued while the scan ran would act on a stale list: drop it unrun.
    queue_.RemoveTaskObject();
  }

  while (ProfileData* task = queue_.GetTaskObject()) {
    const int32_t type = task->getTaskType();
    PROFILE_DATA* record = task->Profile();
    if (record != nullptr) {
      system::LogF(system::LogCategory::kSurvey, system::LogLevel::kDebug,
                   "#### SiteSurveyPageController - DoTask - taskType = %d ####", type);
      if (type == kTaskRescan) {
        system::LogDebug(system::LogCategory::kSurvey,
                         "#### SiteSurveyPageController - Probe - 1 ####");
        adapter_.RescanBssidList();
        state_.G_bBssidListScan = 1;
      } else if (type == kTaskApply) {
        system::LogDebug(system::LogCategory::kSurvey,
                         "#### SiteSurveyPageController - Probe - 2 ####");
        Apply(*record);
      }
    }
    queue_.RemoveTaskObject();
  }
}

void TaskExecutor::Apply(PROFILE_DATA& record) {
  if (record.bDisassociate != 0) SetU32(OID_802_11_DISASSOCIATE, 0);
  SetU32(OID_802_11_INFRASTRUCTURE_MODE, record.enumNetworkType);
  SetU32(OID_CV_802_11_PREAMBLE, record.enumPreamType);
  SetU32(OID_802_11_RTS_THRESHOLD, record.lRtsThre);
  SetU32(OID_802_11_FRAGMENTATION_THRESHOLD, record.lFragThre);
  SetU32(OID_802_11_AUTHENTICATION_MODE, record.enumAuthenMode);
  SetU32(OID_802_11_WEP_STATUS, record.enumEncryStatus);
  SetU32(OID_CV_802_11_TX_POWER_LEVEL, TxPowerPercent(record.lTxPower));

  SendKeys(record);

  if (record.enumNetworkType == Ndis802_11IBSS) {
    SendAdhocChannel(record.lFreq);
  } else {
    SetU32(OID_802_11_POWER_MODE, record.enumPSMode);
  }

  if (record.bSetAdvance != 0) {
    SetU32(OID_CV_802_11_PHY_MODE, state_.G_enumWirelessMode);
    Set(OID_CV_802_11_STA_CONFIG, &record.configSta, SizeOf(record.configSta));
    Set(OID_802_11_DESIRED_RATES, record.aryRates, SizeOf(record.aryRates));
  }

  // Associating is last, so it happens with everything above in place.
  if (record.bBssid != 0) {
    Set(OID_802_11_BSSID, record.BSSID, SizeOf(record.BSSID));
  } else {
    Set(OID_802_11_SSID, &record.SSID, SizeOf(record.SSID));
  }
}

void TaskExecutor::SendKeys(PROFILE_DATA& record) {
  const auto sendBlock = [this](uint32_t oid, const system::SecretBytes& block, uint32_t length) {
    // The length field is what goes out; a block shorter than it is padded, never overread.
    system::SecretBytes payload(block);
    payload.resize(length, 0);
    Set(oid, payload.data(), length);
  };

  const auto auth = record.enumAuthenMode;
  if (auth == Ndis802_11AuthModeWPAPSK || auth == Ndis802_11AuthModeWPANone ||
      auth == Ndis802_11AuthModeWPA2PSK) {
    sendBlock(OID_CV_802_11_ADD_WPA, record.pWPAKey, record.lWPAKeyLen);
    return;
  }
  if (auth != Ndis802_11AuthModeShared && record.enumEncryStatus != Ndis802_11WEPEnabled) return;

  for (std::size_t slot = 0; slot < kWepKeySlots; ++slot) {
    if (record.lWEPKeyLen[slot] != 0) {
      sendBlock(OID_802_11_ADD_KEY, record.pWEPKey[slot], record.lWEPKeyLen[slot]);
    } else {
      NDIS_802_11_REMOVE_KEY remove{};
      remove.Length = SizeOf(remove);
      remove.KeyIndex = static_cast<uint32_t>(slot);
      std::fill(std::begin(remove.BSSID), std::end(remove.BSSID), uint8_t{0xFF});
      Set(OID_802_11_REMOVE_KEY, &remove, SizeOf(remove));
    }
  }
}

void TaskExecutor::SendAdhocChannel(uint32_t frequency) {
  // No ad hoc channel (0, 5 GHz, outside the plan): the configuration is not written at all,
  // and the join goes on with the card's own channel.
  const auto channel = ChannelForFrequency(frequency);
  if (!channel || !FrequencyForChannel(*channel)) {
    system::LogF(system::LogCategory::kSurvey, system::LogLevel::kDebug,
                 "no ad hoc channel at %u kHz; configuration left as it is", frequency);
    return;
  }
  // Only the channel changes: the rest of the driver's configuration is written back as read.
  NDIS_802_11_CONFIGURATION config{};
  uint32_t returned = 0;
  adapter_.OidQueryInformation(OID_802_11_CONFIGURATION, &config, SizeOf(config), &returned);
  config.DSConfig = frequency;
  Set(OID_802_11_CONFIGURATION, &config, SizeOf(config));
}

void TaskExecutor::Set(uint32_t oid, void* payload, uint32_t length) {
  uint32_t returned = 0;
  adapter_.OidSetInformation(oid, payload, length, &returned, kSetRetry);
}

void TaskExecutor::SetU32(uint32_t oid, uint32_t value) {
  Set(oid, &value, SizeOf(value));
}

}  // namespace netvane
