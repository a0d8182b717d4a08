// The about page: versions and dates of the utility and the driver, the card's EEPROM version
// and the adapter's MAC address, filled at every bring-up; and a button to the maker's web site.
#pragma once

#include <functional>
#include <string>

#include "platform/userclient/DriverInfo.h"
#include "ui/ShellPages.h"
#include "ui/TextField.h"

namespace netvane {

class CV7000Access;

struct AboutFields {
  ui::TextField& NetvaneVersion;
  ui::TextField& NetvaneDate;
  ui::TextField& DriverVersion;
  ui::TextField& DriverDate;
  ui::TextField& EEPROMVersion;
  ui::TextField& MacAddress;
};

// Where the page learns what the driver cannot tell over its socket, and how it opens a URL.
struct AboutSources {
  std::function<std::string()> utilityDate;  // YYYY-MM-DD of the running program
  std::function<userclient::DriverInfo()> driverInfo;
  std::function<void(const std::string&)> openUrl;
};

class AboutPageController : public ui::AboutShellPage {
 public:
  // Every reference must outlive the page.
  AboutPageController(CV7000Access& adapter, const AboutFields& fields, AboutSources sources)
      : adapter_(adapter), fields_(fields), sources_(std::move(sources)) {}

  void GetAllInformation() override;
  void OpenCorvaneWeb(const void* sender);

 private:
  CV7000Access& adapter_;
  AboutFields fields_;
  AboutSources sources_;
};

}  // namespace netvane
