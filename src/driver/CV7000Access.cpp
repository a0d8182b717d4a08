// Transport half of CV7000Access: every request looks the service up, opens a connection,
// makes one structure call and one scalar call and releases everything again, so a removed
// adapter makes the very next request fail.
#include "driver/CV7000Access.h"

#include <utility>

#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/system/Log.h"
#include "platform/userclient/Protocol.h"

namespace netvane {

using userclient::kKernSuccess;

CV7000Access::CV7000Access(SharedState& state, userclient::UserClientApi& api, ui::Alert& alert,
                           system::SleepFunction sleep)
    : state_(state), api_(api), alert_(alert), sleep_(std::move(sleep)) {}

CV7000Access::~CV7000Access() {
  CloseConnectToDevice();
}

bool CV7000Access::HoldsHandles() const {
  return (masterPort | devicesMatch | iter | device | currentDevice | dataService | dataPort) != 0;
}

bool CV7000Access::SearchDevice() {
  masterPort = 0;
  devicesMatch = 0;
  iter = 0;
  device = 0;
  currentDevice = 0;
  int iterations = 0;

  if (api_.MasterPort(&masterPort) != kKernSuccess) {
    masterPort = 0;
    if (state_.__DEBUG__ != 0) {
      system::LogDebug(
          system::LogCategory::kDriver,
          "!!!! CV7000Access - SearchDevice - Couldn't create a master IOKit Port. !!!!");
    }
    return false;
  }
  devicesMatch = api_.ServiceMatching(userclient::kWirelessDriverClass);
  if (devicesMatch == 0) {
    if (state_.__DEBUG__ != 0) {
      system::LogF(
          system::LogCategory::kDriver, system::LogLevel::kDebug,
          "**** CV7000Access - SearchDevice - Can't create a '%s' matching dictionary. ****",
          userclient::kWirelessDriverClass);
    }
    return false;
  }
  const userclient::Handle matching = std::exchange(devicesMatch, 0);  // consumed by the lookup
  if (api_.GetMatchingServices(masterPort, matching, &iter) != kKernSuccess) {
    iter = 0;
    api_.PortDeallocate(masterPort);
    masterPort = 0;
    if (state_.__DEBUG__ != 0) {
      system::LogDebug(system::LogCategory::kDriver,
                       "!!!! CV7000Access - SearchDevice - Can't create a Service iterator. !!!!");
    }
    return false;
  }
  while ((device = api_.IteratorNext(iter)) != 0) {
    if (currentDevice != 0) {
      if (state_.__DEBUG__ != 0) {
        system::LogDebug(
            system::LogCategory::kDriver,
            "!!!! CV7000Access - SearchDevice - But we already have a device I'm confused. "
            "!!!!");
      }
      // The later service replaces the earlier one; its reference is not needed any more.
      api_.ObjectRelease(currentDevice);
    }
    currentDevice = std::exchange(device, 0);
    ++iterations;
  }
  if (state_.__DEBUG__ != 0) {
    system::LogF(system::LogCategory::kDriver, system::LogLevel::kDebug,
                 "**** CV7000Access - SearchDevice - Iterations: %d ****", iterations);
  }
  if (currentDevice != 0) {
    dataService = currentDevice;
    return true;
  }
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(
        system::LogCategory::kDriver,
        "!!!! CV7000Access - SearchDevice - Couldn't find a WirelessDriver service in registry - "
        "is the card loaded? !!!!");
  }
  return false;
}

bool CV7000Access::OpenConnectToDevice() {
  if (dataService == 0 || api_.ServiceOpen(dataService, 0, &dataPort) != kKernSuccess) {
    dataPort = 0;
    if (state_.__DEBUG__ != 0) {
      system::LogDebug(
          system::LogCategory::kDriver,
          "!!!! CV7000Access - SearchDevice - Couldn't create a user client, why not? !!!!");
    }
    return false;
  }
  return true;
}

void CV7000Access::CloseConnectToDevice() {
  if (iter != 0) api_.ObjectRelease(std::exchange(iter, 0));
  if (devicesMatch != 0) api_.ObjectRelease(std::exchange(devicesMatch, 0));
  if (masterPort != 0) api_.PortDeallocate(std::exchange(masterPort, 0));
  if (device != 0) api_.ObjectRelease(std::exchange(device, 0));
  // currentDevice and dataService hold one reference between them: release it once.
  const userclient::Handle released = currentDevice;
  if (currentDevice != 0) api_.ObjectRelease(std::exchange(currentDevice, 0));
  if (dataPort != 0) api_.ServiceClose(std::exchange(dataPort, 0));
  if (dataService != 0) {
    if (dataService != released) api_.ObjectRelease(dataService);
    dataService = 0;
  }
}

bool CV7000Access::OidQueryInformation(uint32_t OidQueryCode, void* InformationBuffer,
                                       uint32_t InformationBufferLength, uint32_t* pBytesReturn) {
  if (state_.__DEBUG__ != 0) {
    system::LogF(system::LogCategory::kDriver, system::LogLevel::kDebug,
                 "**** CV7000Access - Oid = %u ****", OidQueryCode);
  }
  if (!SearchDevice() || !OpenConnectToDevice()) {
    CloseConnectToDevice();
    return false;
  }
  *pBytesReturn = InformationBufferLength;
  const auto status = api_.StructureCall(dataPort, OidQueryCode, InformationBuffer,
                                         InformationBufferLength, InformationBuffer, pBytesReturn);
  api_.ScalarCall(dataPort, 1);
  CloseConnectToDevice();
  return status == kKernSuccess;
}

bool CV7000Access::OidSetInformation(uint32_t OidSetCode, void* InformationBuffer,
                                     uint32_t InformationBufferLength, uint32_t* pBytesReturn,
                                     int32_t /*nRetry*/) {
  if (!SearchDevice() || !OpenConnectToDevice()) {
    CloseConnectToDevice();
    return false;
  }
  // The capacity offered is whatever the caller's count holds, and never more than the
  // buffer it passed.
  if (*pBytesReturn > InformationBufferLength) *pBytesReturn = InformationBufferLength;
  const auto status = api_.StructureCall(dataPort, SetForm(OidSetCode), InformationBuffer,
                                         InformationBufferLength, InformationBuffer, pBytesReturn);
  api_.ScalarCall(dataPort, 1);
  CloseConnectToDevice();
  return status == kKernSuccess;
}

}  // namespace netvane
