// A small window with the event history (the log file's lines, oldest first, new ones added
// while it is open), the switch for desktop notifications and the one for starting at login.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "platform/prefs/EventLog.h"

namespace netvane::gui {

class EventHistoryWindow : public QDialog {
 public:
  // `log` must outlive the window. `notificationsChanged` hears the user's clicks on the
  // notifications box; `autostartChanged` those on the login box, and answers why the change
  // could not be made (empty when it was).
  EventHistoryWindow(QWidget* parent, const prefs::EventLog& log,
                     std::function<void(bool on)> notificationsChanged,
                     std::function<std::string(bool on)> autostartChanged);

  // Reads the file again, then shows and raises the window.
  void Open(bool notificationsOn, bool autostartOn);
  // A line just written to the file.
  void AddLine(const std::string& line);

  QPlainTextEdit& Lines() { return *lines_; }
  QCheckBox& Notifications() { return *notifications_; }
  QCheckBox& Autostart() { return *autostart_; }

 private:
  const prefs::EventLog& log_;
  QPlainTextEdit* lines_;
  QCheckBox* notifications_;
  QCheckBox* autostart_;
  QPushButton* close_;
};

}  // namespace netvane::gui
