// The about page: versions, dates, EEPROM version and MAC address, filled at every bring-up.
#pragma once

#include "platform/ui/ShellPages.h"

namespace netvane {

class CV7000Access;

class AboutPageController : public AboutShellPage {
 public:
  explicit AboutPageController(CV7000Access& adapter) : Adapter(adapter) {}

  // Filled in by the status pages issue.
  void GetAllInformation() override {}

 private:
  [[maybe_unused]] CV7000Access& Adapter;  // NOLINT(readability-identifier-naming)
};

}  // namespace netvane
