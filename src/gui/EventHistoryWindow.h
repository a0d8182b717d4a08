// A small window with the event history (the log file's lines, oldest first, new ones added
// while it is open) and the switch for desktop notifications.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "platform/prefs/EventLog.h"

namespace netvane::gui {

class EventHistoryWindow : public QDialog {
 public:
  // `log` must outlive the window. `notificationsChanged` hears the user's clicks on the box.
  EventHistoryWindow(QWidget* parent, const prefs::EventLog& log,
                     std::function<void(bool on)> notificationsChanged);

  // Reads the file again, then shows and raises the window.
  void Open(bool notificationsOn);
  // A line just written to the file.
  void AddLine(const std::string& line);

  QPlainTextEdit& Lines() { return *lines_; }
  QCheckBox& Notifications() { return *notifications_; }

 private:
  const prefs::EventLog& log_;
  QPlainTextEdit* lines_;
  QCheckBox* notifications_;
  QPushButton* close_;
};

}  // namespace netvane::gui
