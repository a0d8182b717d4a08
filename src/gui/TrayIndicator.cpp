#include "gui/TrayIndicator.h"

#include <QCoreApplication>

#include "gui/NamedImages.h"
#include "gui/TextCodec.h"

namespace netvane::gui {
namespace {

std::string ImageFor(const LinkObservation& link) {
  if (link.state != LinkState::kJoined) return "TRAYOFF";
  if (link.linkQuality > 70) return "TRAYGOOD";
  if (link.linkQuality > 40) return "TRAYNORMAL";
  return "TRAYWEAK";
}

QIcon TrayIcon(const std::string& image) {
  QIcon icon;
  for (const int side : {16, 22, 24, 32, 48, 64}) {
    icon.addPixmap(NamedPixmap(image, QSize(side, side)));
  }
  return icon;
}

}  // namespace

TrayIndicator::TrayIndicator(TrayActions actions) : actions_(std::move(actions)) {
  QAction* show = menu_.addAction(QCoreApplication::translate("Tray", "&Show Netvane"));
  connect(show, &QAction::triggered, this, [this] { actions_.showWindow(); });
  profiles_ = menu_.addMenu(QCoreApplication::translate("Tray", "&Profiles"));
  radio_ = menu_.addAction(QCoreApplication::translate("Tray", "Turn &Radio Off"));
  connect(radio_, &QAction::triggered, this, [this] { actions_.switchRadio(); });
  QAction* history = menu_.addAction(QCoreApplication::translate("Tray", "&Event History…"));
  connect(history, &QAction::triggered, this, [this] { actions_.showHistory(); });
  menu_.addSeparator();
  QAction* quit = menu_.addAction(QCoreApplication::translate("Tray", "&Quit"));
  connect(quit, &QAction::triggered, this, [this] { actions_.quit(); });
  connect(&menu_, &QMenu::aboutToShow, this, [this] { RefreshMenu(); });

  icon_.setContextMenu(&menu_);
  connect(&icon_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
              actions_.showWindow();
            }
          });
  Update({});
  RefreshMenu();
}

void TrayIndicator::Show() {
  if (QSystemTrayIcon::isSystemTrayAvailable()) icon_.show();
}

void TrayIndicator::Update(const LinkObservation& link) {
  const std::string image = ImageFor(link);
  if (image != image_) {
    image_ = image;
    icon_.setIcon(TrayIcon(image));
  }
  const QString words =
      QCoreApplication::translate("Tray", "Netvane: %1")
          .arg(QString::fromStdString(LinkSummary(link, ToStd(ToQtLine(link.ssid)))));
  if (icon_.toolTip() != words) icon_.setToolTip(words);
}

void TrayIndicator::RefreshMenu() {
  const bool canAct = actions_.canAct();
  profiles_->clear();
  const std::vector<std::string> names = actions_.profileNames();
  const int inForce = actions_.profileInForce();
  for (std::size_t row = 0; row < names.size(); ++row) {
    // A name's own &s are not mnemonics.
    QAction* entry = profiles_->addAction(ToQtLine(names[row]).replace(u'&', QStringLiteral("&&")));
    entry->setCheckable(true);
    entry->setChecked(static_cast<int>(row) == inForce);
    const int index = static_cast<int>(row);
    connect(entry, &QAction::triggered, this, [this, index] { actions_.activateProfile(index); });
  }
  profiles_->setEnabled(canAct && !names.empty());
  radio_->setText(actions_.radioOn() ? QCoreApplication::translate("Tray", "Turn &Radio Off")
                                     : QCoreApplication::translate("Tray", "Turn &Radio On"));
  radio_->setEnabled(canAct);
}

}  // namespace netvane::gui
