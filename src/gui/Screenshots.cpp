#include "gui/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QPixmap>

#include "gui/CompositionRoot.h"

namespace netvane::gui {

namespace {

constexpr const char* kPageFiles[kPageCount] = {"profile",    "link-status", "site-survey",
                                                "statistics", "advance",     "about"};

bool Save(QWidget& widget, const QDir& dir, const char* name) {
  QApplication::processEvents();
  return widget.grab().save(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

bool SaveDialog(QDialog& dialog, const QDir& dir, const char* name) {
  dialog.ensurePolished();
  if (dialog.layout() != nullptr) dialog.layout()->activate();
  dialog.resize(dialog.sizeHint());
  return Save(dialog, dir, name);
}

}  // namespace

bool WriteScreenshots(CompositionRoot& root, const QString& folder) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return false;
  bool ok = true;
  QTabWidget* tabs = root.Window().Tabs();
  const int shown = tabs->currentIndex();
  for (int page = 0; page < kPageCount; ++page) {
    tabs->setCurrentIndex(page);
    ok = Save(root.Window(), dir, kPageFiles[page]) && ok;
  }
  tabs->setCurrentIndex(shown);
  ok = SaveDialog(root.SecuritySheet(), dir, "security-sheet") && ok;
  ok = SaveDialog(root.HiddenSSIDPrompt(), dir, "hidden-ssid") && ok;
  ok = SaveDialog(root.ProfileEditor(), dir, "profile-editor") && ok;
  root.Desktop().ShowHistory();
  ok = Save(root.Desktop().History(), dir, "event-history") && ok;
  root.Desktop().History().close();
  return ok;
}

}  // namespace netvane::gui
