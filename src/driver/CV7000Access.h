// The utility's only path to the adapter: finds the driver service, carries one OID request at
// a time over a connection that lives for that request only, brings the card up and collects
// scans.
#pragma once

#include <cstdint>

#include "platform/system/Sleep.h"
#include "platform/userclient/UserClientApi.h"
#include "state/SharedState.h"
#include "ui/Alert.h"

namespace netvane {

class CV7000Access {
 public:
  // `state` holds the flags and the scan list this object writes, `api` reaches the driver
  // services, `alert` shows card-level errors, `sleep` is the blocking wait of a scan. The
  // references must outlive this object.
  CV7000Access(SharedState& state, userclient::UserClientApi& api, ui::Alert& alert,
               system::SleepFunction sleep);
  CV7000Access(const CV7000Access&) = delete;
  CV7000Access& operator=(const CV7000Access&) = delete;
  ~CV7000Access();

  // Transport.
  bool SearchDevice();
  bool OpenConnectToDevice();
  void CloseConnectToDevice();
  bool OidQueryInformation(uint32_t OidQueryCode, void* InformationBuffer,
                           uint32_t InformationBufferLength, uint32_t* pBytesReturn);
  // `nRetry` is accepted for compatibility; exactly one attempt is made.
  bool OidSetInformation(uint32_t OidSetCode, void* InformationBuffer,
                         uint32_t InformationBufferLength, uint32_t* pBytesReturn, int32_t nRetry);

  // Card bring-up: refuses an invalid EEPROM, learns 5 GHz support, makes the first scan.
  bool InitCard();
  void CheckPhyMode();

  // Scan primitives.
  void RescanBssidList();
  void QueryBssidList();
  static uint32_t ConvertRssiToSignalQuality(int32_t RSSI);

  // True while any handle is held (between requests this is always false).
  bool HoldsHandles() const;

 private:
  SharedState& state_;
  userclient::UserClientApi& api_;
  ui::Alert& alert_;
  system::SleepFunction sleep_;

  // NOLINTBEGIN(readability-identifier-naming) the transport's own handle names
  userclient::Handle masterPort = 0;
  userclient::Handle devicesMatch = 0;
  userclient::Handle iter = 0;
  userclient::Handle device = 0;
  userclient::Handle currentDevice = 0;
  userclient::Handle dataService = 0;
  userclient::Handle dataPort = 0;
  // NOLINTEND(readability-identifier-naming)
};

}  // namespace netvane
