#include "status/AboutPageController.h"

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "status/AboutFigures.h"

namespace netvane {

void AboutPageController::GetAllInformation() {
  // Failed queries leave their zeros: 0.0 and 00-00-00-00-00-00.
  std::array<uint8_t, 4> eeprom{};
  std::array<uint8_t, kMacLength> mac{};
  uint32_t returned = 0;
  adapter_.OidQueryInformation(OID_CV_802_11_EEPROM_VERSION, eeprom.data(), eeprom.size(),
                               &returned);
  adapter_.OidQueryInformation(OID_802_3_CURRENT_ADDRESS, mac.data(), mac.size(), &returned);
  const userclient::DriverInfo driver =
      sources_.driverInfo ? sources_.driverInfo() : userclient::DriverInfo{};
  fields_.NetvaneVersion.SetText(kNetvaneVersion);
  fields_.NetvaneDate.SetText(sources_.utilityDate ? sources_.utilityDate() : std::string());
  fields_.DriverVersion.SetText(driver.version);
  fields_.DriverDate.SetText(driver.date);
  fields_.EEPROMVersion.SetText(EepromVersionText(eeprom));
  fields_.MacAddress.SetText(MacAddressText(mac));
}

void AboutPageController::OpenCorvaneWeb(const void* /*sender*/) {
  if (sources_.openUrl) sources_.openUrl(kCorvaneWebSite);
}

}  // namespace netvane
