// Card bring-up: refuse an invalid EEPROM, learn the 5 GHz capability, make the first scan.
#include <array>
#include <cstring>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "text/Translate.h"

namespace netvane {

bool CV7000Access::InitCard() {
  CV_802_11_STA_CONFIG config{};
  uint32_t returned = 0;
  OidQueryInformation(OID_CV_802_11_STA_CONFIG, &config, sizeof config, &returned);

  if ((config.SystemErrorBitmap & kSystemErrorEeprom) != 0) {
    alert_.Run(text::Tr("CardInit", "EEPRON error!!"),
               text::Tr("CardInit", "EEPROM Version error. Please update EEPROM contents."));
    return false;
  }

  state_.G_bDialogRunning = 1;
  CheckPhyMode();
  state_.G_bDialogRunning = 0;

  RescanBssidList();
  QueryBssidList();
  return true;
}

void CV7000Access::CheckPhyMode() {
  std::array<uint8_t, kNetworkTypeListLength> buffer{};
  uint32_t returned = 0;
  OidQueryInformation(OID_802_11_NETWORK_TYPES_SUPPORTED, buffer.data(),
                      static_cast<uint32_t>(buffer.size()), &returned);

  uint32_t count = 0;
  std::memcpy(&count, buffer.data(), sizeof count);
  constexpr std::size_t kFirstType = offsetof(NDIS_802_11_NETWORK_TYPE_LIST, NetworkType);
  constexpr std::size_t kRoom = (kNetworkTypeListLength - kFirstType) / sizeof(uint32_t);
  for (std::size_t i = 0; i < count && i < kRoom; ++i) {
    uint32_t type = 0;
    std::memcpy(&type, buffer.data() + kFirstType + i * sizeof type, sizeof type);
    if (type == Ndis802_11OFDM5) {
      state_.G_bSupportAMode = 1;
      break;
    }
  }
}

}  // namespace netvane
