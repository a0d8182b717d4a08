// The window's word on a missing adapter: a line above the pages saying that none was found and
// what to do, or which registry folder was refused and why, and the driver's actions disabled
// until an adapter is there.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace netvane::gui {

class AdapterNotice {
 public:
  // Source texts, read through the catalogue in context "AdapterNotice".
  static constexpr const char* kNoAdapter =
      QT_TRANSLATE_NOOP("AdapterNotice",
                        "No wireless adapter was found. Start the adapter's driver service, or "
                        "the simulator (cv7000-sim).");
  static constexpr const char* kUnavailable =
      QT_TRANSLATE_NOOP("AdapterNotice", "Not available: no adapter.");

  // `line` shows the state; `driverActions` are the controls that need the adapter (a page
  // whose controls all do may be given whole).
  AdapterNotice(QLabel* line, std::vector<QWidget*> driverActions);

  // `refusal` is why the registry could not be looked in ("Not using PATH: reason."), if so.
  void Show(bool present, const std::string& refusal);

 private:
  QLabel* line_;
  std::vector<QWidget*> actions_;
  std::vector<QString> descriptions_;  // each action's own description, given back
};

}  // namespace netvane::gui
