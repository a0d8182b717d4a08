#include "gui/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTableView>

#include "gui/CompositionRoot.h"
#include "gui/TableModel.h"

namespace netvane::gui {

namespace {

constexpr const char* kPageFiles[kPageCount] = {"profile",    "link-status", "site-survey",
                                                "statistics", "advance",     "about"};

// Ticks of the link status page before the pages are taken: four minutes of its samples, so
// the graph shows minutes of history and still how it starts at the left.
constexpr int kHistoryTicks = static_cast<int>(4 * 60 / LinkStatusPageController::kTimerSeconds);

// Typed into the security sheet's key field, where it shows masked.
constexpr const char* kSampleKey = "a pass phrase";

bool SavePixmap(const QPixmap& picture, const QDir& dir, const char* name) {
  return picture.save(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

QPixmap Grab(QWidget& widget) {
  QApplication::processEvents();
  return widget.grab();
}

QPixmap DialogPicture(QDialog& dialog) {
  dialog.ensurePolished();
  if (dialog.layout() != nullptr) dialog.layout()->activate();
  dialog.resize(dialog.sizeHint());
  return Grab(dialog);
}

// The dialog over its window, centred and framed, as a window manager shows a sheet.
QPixmap OverWindow(QWidget& window, QDialog& dialog) {
  const QPixmap sheet = DialogPicture(dialog);
  QPixmap picture = Grab(window);
  QPainter painter(&picture);
  const qreal ratio = picture.devicePixelRatio();
  const QSizeF room = QSizeF(picture.size()) / ratio;
  const QSizeF size = QSizeF(sheet.size()) / sheet.devicePixelRatio();
  const QPointF at((room.width() - size.width()) / 2, (room.height() - size.height()) / 3);
  painter.drawPixmap(at, sheet);
  painter.setPen(window.palette().color(QPalette::Shadow));
  painter.drawRect(QRectF(at - QPointF(1, 1), size + QSizeF(1, 1)));
  return picture;
}

// What a person reads in one row of the network list.
struct ShownRow {
  QString ssid;
  QString authentication;
  bool joined = false;
};

// The first row shown in the list that `wanted` picks; -1 when none.
template <typename Wanted>
int FindRow(const QTableView& list, Wanted wanted) {
  const QStringList ids = list.property("columnIdentifiers").toStringList();
  const QAbstractItemModel* model = list.model();
  const auto cell = [&](int row, const char* id, int role) {
    return model->index(row, static_cast<int>(ids.indexOf(QLatin1String(id)))).data(role);
  };
  for (int row = 0; row < model->rowCount(); ++row) {
    const ShownRow shown{cell(row, "SSID", Qt::DisplayRole).toString(),
                         cell(row, "Authentication", Qt::DisplayRole).toString(),
                         !cell(row, "PI", TableModel::kSortRole).toString().isEmpty()};
    if (wanted(shown)) return row;
  }
  return -1;
}

// Typed into whatever field the dialog gave the focus to, key by key.
void Type(QDialog& dialog, const QString& text) {
  QWidget* field = dialog.focusWidget();
  if (field == nullptr) return;
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
  }
}

// Takes pictures while the pages run: the network list, the button a person clicks and the
// dialog that click opens.
class Photographer {
 public:
  Photographer(CompositionRoot& root, const QDir& dir, const ScreenshotWatch& watch)
      : root_(root), dir_(dir), watch_(watch) {}

  bool Save(QWidget& widget, const char* name) { return Save(Grab(widget), name); }

  bool Save(const QPixmap& picture, const char* name) {
    if (watch_) watch_(QString::fromLatin1(name));
    return SavePixmap(picture, dir_, name);
  }

  // Chooses `row` in the network list and clicks `button`; the dialog it opens is taken (over
  // the window when `overWindow`) once `fill` has typed into it, then cancelled. Without such a
  // row, or when the click opens nothing, the dialog is taken as it stands.
  template <typename Fill>
  bool Opened(int row, QAbstractButton* button, QDialog& dialog, QAbstractButton* cancel,
              bool overWindow, const char* name, Fill fill) {
    bool taken = false;
    bool ok = true;
    if (row >= 0) {
      root_.Window().siteSurvey.ApList->selectRow(row);
      root_.Sheets().SetStandIn([&](QDialog& shown) {
        if (&shown != &dialog) return;
        fill(shown);
        ok = Save(overWindow ? OverWindow(root_.Window(), shown) : DialogPicture(shown), name);
        taken = true;
        cancel->click();
      });
      button->click();
      root_.Sheets().SetStandIn({});
    }
    if (!taken) ok = Save(DialogPicture(dialog), name);
    return ok;
  }

 private:
  CompositionRoot& root_;
  const QDir& dir_;
  const ScreenshotWatch& watch_;
};

}  // namespace

bool WriteScreenshots(CompositionRoot& root, const QString& folder, const ScreenshotWatch& watch) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return false;
  // An alert the clicks below might raise is answered at once rather than waited on.
  root.Alert().SetOnShown([](QMessageBox& box) { box.done(QMessageBox::Ok); });
  for (int tick = 0; tick < kHistoryTicks; ++tick) root.LinkStatus().OnTimer();

  Photographer camera(root, dir, watch);
  bool ok = true;
  QTabWidget* tabs = root.Window().Tabs();
  const int shown = tabs->currentIndex();
  for (int page = 0; page < kPageCount; ++page) {
    tabs->setCurrentIndex(page);
    ok = camera.Save(root.Window(), kPageFiles[page]) && ok;
  }

  // The dialogs as a person meets them, from the site survey.
  tabs->setCurrentIndex(static_cast<int>(Page::SiteSurvey));
  Ui::SiteSurveyPage& survey = root.Window().siteSurvey;
  const QTableView& list = *survey.ApList;
  SecuritySheetDialog& sheet = root.SecuritySheet();
  const int secured = FindRow(list, [](const ShownRow& r) {
    return !r.joined && !r.ssid.isEmpty() && r.authentication == QLatin1String("WPA-PSK");
  });
  ok = camera.Opened(secured, survey.Connect, sheet, sheet.form.Cancel, true, "security-sheet",
                     [](QDialog& d) { Type(d, QString::fromLatin1(kSampleKey)); }) &&
       ok;
  HiddenSSIDDialog& prompt = root.HiddenSSIDPrompt();
  const int hidden = FindRow(list, [](const ShownRow& r) { return r.ssid.isEmpty(); });
  ok = camera.Opened(hidden, survey.Connect, prompt, prompt.form.Cancel, true, "hidden-ssid",
                     [](QDialog&) {}) &&
       ok;
  ProfileEditorDialog& editor = root.ProfileEditor();
  const int joined = FindRow(list, [](const ShownRow& r) { return r.joined; });
  ok = camera.Opened(joined, survey.AddProfile, editor, editor.form.Cancel, false, "profile-editor",
                     [](QDialog&) {}) &&
       ok;
  tabs->setCurrentIndex(shown);

  root.Desktop().ShowHistory();
  ok = camera.Save(root.Desktop().History(), "event-history") && ok;
  root.Desktop().History().close();
  root.Alert().SetOnShown({});
  return ok;
}

}  // namespace netvane::gui
