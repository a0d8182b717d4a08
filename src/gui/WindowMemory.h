// Remembers, in the user defaults, where the main window was and how big (and whether it was
// maximized), the page it showed and
// how each list was sorted, and puts them back at the next start. A stored value that cannot be
// used (not the kind or form expected, a page or column the window lacks) is ignored: that part
// starts as if nothing was stored.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTabWidget>
#include <string>
#include <utility>
#include <vector>

#include "gui/QtTableView.h"
#include "platform/prefs/UserDefaults.h"

namespace netvane::gui {

// A list whose order is remembered under "NAME Sort Column" and "NAME Sort Order".
struct RememberedList {
  std::string name;
  QtTableView* table;
};

class WindowMemory {
 public:
  static constexpr const char* kGeometryKey = "Window Geometry";
  static constexpr const char* kTabKey = "Selected Tab";
  static constexpr const char* kMaximizedKey = "Window Maximized";

  // Every reference must outlive the memory.
  WindowMemory(prefs::UserDefaults& defaults, QMainWindow& window, QTabWidget& tabs,
               std::vector<RememberedList> lists);
  WindowMemory(const WindowMemory&) = delete;
  WindowMemory& operator=(const WindowMemory&) = delete;
  ~WindowMemory();

  // The window's place and size and the lists' order: before the window is first shown.
  void RestoreLayout();
  // The page: after start-up has chosen its own.
  void RestoreTab();
  // Writes what changed since the restore or the last save; also runs as the window hides.
  void Save();

 private:
  struct Snapshot {
    QRect geometry;  // the normal size and place, also while maximized
    bool maximized = false;
    int tab = -1;
    std::vector<std::pair<QString, Qt::SortOrder>> sorts;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Current() const;
  void RestoreGeometry();
  void PlaceNormally();

  prefs::UserDefaults& defaults_;
  QMainWindow& window_;
  QTabWidget& tabs_;
  std::vector<RememberedList> lists_;
  Snapshot saved_;
  // Saves as the window hides; goes with this object.
  QPointer<QObject> hideWatch_;
};

}  // namespace netvane::gui
