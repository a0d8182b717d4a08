// The icon in the desktop's tray, where there is one: the link at a glance (not joined, or the
// signal grade as bars), its words as the tooltip, and a menu to show the window, activate a
// profile, switch the radio, see the event history and quit. It shows what the link status
// page already read each tick and asks the driver nothing itself.
#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <string>
#include <vector>

#include "status/ConnectionEvents.h"

namespace netvane::gui {

// What the menu does and shows; the composition root fills it in.
struct TrayActions {
  std::function<void()> showWindow;
  std::function<std::vector<std::string>()> profileNames;  // the stored names, as bytes
  std::function<int()> profileInForce;                     // its row, -1 for none
  std::function<void(int row)> activateProfile;
  // Whether profiles and the radio can be acted on now (an adapter, no dialog open).
  std::function<bool()> canAct;
  std::function<bool()> radioOn;
  std::function<void()> switchRadio;
  std::function<void()> showHistory;
  std::function<void()> quit;
};

class TrayIndicator : public QObject {
 public:
  explicit TrayIndicator(TrayActions actions);

  // Puts the icon in the tray when the desktop has one; otherwise it stays out of sight.
  void Show();
  void Update(const LinkObservation& link);
  // The menu as it is about to open: the profiles and the radio's state now.
  void RefreshMenu();

  QSystemTrayIcon& Icon() { return icon_; }
  QMenu& Menu() { return menu_; }

 private:
  TrayActions actions_;
  QMenu menu_;
  QMenu* profiles_;
  QAction* radio_;
  QSystemTrayIcon icon_;
  std::string image_;
};

}  // namespace netvane::gui
