#include "gui/EventHistoryWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "text/SafeText.h"

namespace netvane::gui {

EventHistoryWindow::EventHistoryWindow(QWidget* parent, const prefs::EventLog& log,
                                       std::function<void(bool on)> notificationsChanged,
                                       std::function<std::string(bool on)> autostartChanged)
    : QDialog(parent),
      log_(log),
      lines_(new QPlainTextEdit(this)),
      notifications_(new QCheckBox(
          QCoreApplication::translate("EventHistory", "Show desktop &notifications"), this)),
      autostart_(new QCheckBox(
          QCoreApplication::translate("EventHistory", "Start Netvane at &login"), this)),
      close_(new QPushButton(QCoreApplication::translate("EventHistory", "&Close"), this)) {
  setObjectName(QStringLiteral("EventHistoryWindow"));
  setWindowTitle(QCoreApplication::translate("EventHistory", "Event History"));
  setAccessibleName(QCoreApplication::translate("EventHistory", "Event history"));
  auto* label = new QLabel(QCoreApplication::translate("EventHistory", "&Events:"), this);
  label->setBuddy(lines_);
  lines_->setObjectName(QStringLiteral("EventLines"));
  lines_->setAccessibleName(
      QCoreApplication::translate("EventHistory", "Connection events, oldest first"));
  lines_->setReadOnly(true);
  // Read-only text still takes the keyboard, so the lines can be walked and copied.
  lines_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
  lines_->setTabChangesFocus(true);
  lines_->setPlaceholderText(QCoreApplication::translate("EventHistory", "No events yet."));
  notifications_->setObjectName(QStringLiteral("ShowNotifications"));
  notifications_->setAccessibleName(
      QCoreApplication::translate("EventHistory", "Show desktop notifications"));
  autostart_->setObjectName(QStringLiteral("StartAtLogin"));
  autostart_->setAccessibleName(
      QCoreApplication::translate("EventHistory", "Start Netvane at login"));
  autostart_->setAccessibleDescription(
      QCoreApplication::translate("EventHistory",
                                  "Starts Netvane in the tray when you log in, so the active "
                                  "profile is applied"));
  close_->setObjectName(QStringLiteral("Close"));
  close_->setAccessibleName(QCoreApplication::translate("EventHistory", "Close the event history"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(notifications_);
  buttons->addWidget(autostart_);
  buttons->addStretch();
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(lines_);
  layout->addLayout(buttons);
  setTabOrder(lines_, notifications_);
  setTabOrder(notifications_, autostart_);
  setTabOrder(autostart_, close_);
  resize(640, 320);

  // Only the user's click changes the setting, not Open setting the box.
  connect(notifications_, &QCheckBox::clicked, this,
          [changed = std::move(notificationsChanged)](bool on) { changed(on); });
  // A change that could not be made leaves the box showing what is so, and says why.
  connect(autostart_, &QCheckBox::clicked, this,
          [this, changed = std::move(autostartChanged)](bool on) {
            const std::string reason = changed(on);
            if (reason.empty()) return;
            autostart_->setChecked(!on);
            QMessageBox::warning(
                this, QCoreApplication::translate("EventHistory", "Start at login"),
                QCoreApplication::translate("EventHistory",
                                            "Netvane could not change its start at login: %1")
                    .arg(QString::fromStdString(text::ShownLine(reason))));
          });
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

void EventHistoryWindow::Open(bool notificationsOn, bool autostartOn) {
  notifications_->setChecked(notificationsOn);
  autostart_->setChecked(autostartOn);
  const std::string file = log_.ReadAll();
  // Line by line: a file from an older version or edited by hand may still hold a character
  // that would break or reorder a line in the view. The last newline would show as an empty line.
  std::string text;
  for (std::size_t at = 0; at < file.size();) {
    const std::size_t end = std::min(file.find('\n', at), file.size());
    if (at > 0) text += '\n';
    text += text::ShownLine(std::string_view(file).substr(at, end - at));
    at = end + 1;
  }
  lines_->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  // The newest line in sight, from its start.
  lines_->moveCursor(QTextCursor::End);
  lines_->moveCursor(QTextCursor::StartOfBlock);
  show();
  raise();
  activateWindow();
}

void EventHistoryWindow::AddLine(const std::string& line) {
  if (isVisible()) lines_->appendPlainText(QString::fromStdString(text::ShownLine(line)));
}

}  // namespace netvane::gui
