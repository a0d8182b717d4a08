// Starting a scan, collecting its result part by part into the shared scan list, and the signal
// quality scale the pages show.
#include <array>
#include <memory>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "driver/ScanList.h"

namespace netvane {

void CV7000Access::RescanBssidList() {
  // The trigger is a set code sent through the query operation.
  std::array<uint8_t, 4> zero{};
  uint32_t returned = 0;
  OidQueryInformation(SetForm(OID_802_11_BSSID_LIST_SCAN), zero.data(),
                      static_cast<uint32_t>(zero.size()), &returned);
  if (sleep_) sleep_(2);
}

void CV7000Access::QueryBssidList() {
  auto list = std::make_unique<BssidList>();
  uint32_t returned = 0;
  const bool firstOk = OidQueryInformation(OID_802_11_BSSID_LIST, list->Data(),
                                           static_cast<uint32_t>(kBssidListPartLength), &returned);
  // Only what the driver said it delivered counts; a failed query leaves an empty list.
  list->Normalise(firstOk ? std::min<std::size_t>(returned, kBssidListPartLength) : 0);

  auto scratch = std::make_unique<std::array<uint8_t, kBssidListPartLength>>();
  // Each part holds at least one entry or ends the collection, and the list fills up after at
  // most this many parts; the bound keeps a misbehaving driver from holding us forever.
  constexpr std::size_t kMostParts = kBssidListBufferLength / kBssidEntryFixedLength + 1;
  for (std::size_t part = 0; part < kMostParts; ++part) {
    scratch->fill(0);
    returned = static_cast<uint32_t>(kBssidListPartLength);
    if (!OidQueryInformation(OID_CV_802_11_BSSID_LIST_NEXT, scratch->data(),
                             static_cast<uint32_t>(kBssidListPartLength), &returned) ||
        returned == 0) {
      break;
    }
    const std::size_t valid = std::min<std::size_t>(returned, kBssidListPartLength);
    list->AppendPart(std::span<const uint8_t>(scratch->data(), valid));
  }
  state_.G_pBssidList = std::move(list);
}

uint32_t CV7000Access::ConvertRssiToSignalQuality(int32_t RSSI) {
  const double r = RSSI;
  double quality = 0.0;
  if (RSSI >= -50) {
    quality = 100.0;
  } else if (RSSI >= -80) {
    quality = (r + 80.0) * 2.6 + 24.0;
  } else if (RSSI >= -90) {
    quality = (r + 90.0) * 2.6;
  }
  return static_cast<uint32_t>(quality);
}

}  // namespace netvane
