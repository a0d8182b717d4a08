#include "gui/WindowMemory.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <functional>
#include <optional>

#include "gui/TextCodec.h"

namespace netvane::gui {

namespace {

constexpr const char* kAscending = "ascending";
constexpr const char* kDescending = "descending";

std::string ColumnKey(const RememberedList& list) {
  return list.name + " Sort Column";
}
std::string OrderKey(const RememberedList& list) {
  return list.name + " Sort Order";
}

// "X Y WIDTH HEIGHT", a positive size.
std::optional<QRect> ParseGeometry(const std::string& text) {
  const QStringList parts = ToQt(text).split(u' ', Qt::SkipEmptyParts);
  if (parts.size() != 4) return std::nullopt;
  int numbers[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    numbers[i] = parts[i].toInt(&ok);
    if (!ok) return std::nullopt;
  }
  if (numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
  return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

std::string GeometryText(const QRect& r) {
  return std::to_string(r.x()) + ' ' + std::to_string(r.y()) + ' ' + std::to_string(r.width()) +
         ' ' + std::to_string(r.height());
}

// The screen showing the window's top edge, where its title bar is; null when none does.
QScreen* ScreenShowingTop(const QRect& rect) {
  const QRect top(rect.topLeft(), QSize(rect.width(), 1));
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(top)) return screen;
  }
  return nullptr;
}

class HideWatch : public QObject {
 public:
  HideWatch(QObject* parent, std::function<void()> onHide)
      : QObject(parent), onHide_(std::move(onHide)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) onHide_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onHide_;
};

}  // namespace

WindowMemory::WindowMemory(prefs::UserDefaults& defaults, QMainWindow& window, QTabWidget& tabs,
                           std::vector<RememberedList> lists)
    : defaults_(defaults), window_(window), tabs_(tabs), lists_(std::move(lists)) {
  saved_ = Current();
  auto* watch = new HideWatch(&window_, [this] { Save(); });
  window_.installEventFilter(watch);
  hideWatch_ = watch;
}

WindowMemory::~WindowMemory() {
  delete hideWatch_.data();
}

WindowMemory::Snapshot WindowMemory::Current() const {
  Snapshot now;
  now.maximized = window_.isMaximized();
  now.geometry =
      now.maximized || window_.isFullScreen() ? window_.normalGeometry() : window_.geometry();
  now.tab = tabs_.currentIndex();
  for (const RememberedList& list : lists_) {
    now.sorts.emplace_back(list.table->SortColumn(), list.table->SortOrder());
  }
  return now;
}

void WindowMemory::RestoreGeometry() {
  PlaceNormally();
  // Maximized last, since placing it ends a maximized state; un-maximizing gives the place back.
  if (defaults_.BoolForKey(kMaximizedKey).value_or(false)) {
    window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
  }
}

void WindowMemory::PlaceNormally() {
  const std::optional<std::string> text = defaults_.StringForKey(kGeometryKey);
  const std::optional<QRect> stored = text ? ParseGeometry(*text) : std::nullopt;
  if (!stored) return;
  // Off every screen (a monitor since unplugged): the size alone, where the desktop puts it.
  QScreen* screen = ScreenShowingTop(*stored);
  const QScreen* fitTo = screen != nullptr ? screen : QGuiApplication::primaryScreen();
  QSize size = stored->size().expandedTo(window_.minimumSizeHint());
  if (fitTo != nullptr) size = size.boundedTo(fitTo->availableGeometry().size());
  if (screen != nullptr) {
    window_.setGeometry(QRect(stored->topLeft(), size));
  } else {
    window_.resize(size);
  }
}

void WindowMemory::RestoreLayout() {
  RestoreGeometry();
  for (const RememberedList& list : lists_) {
    const std::optional<std::string> column = defaults_.StringForKey(ColumnKey(list));
    const std::optional<std::string> order = defaults_.StringForKey(OrderKey(list));
    if (!column || !order || (*order != kAscending && *order != kDescending)) continue;
    list.table->SortBy(ToQt(*column),
                       *order == kAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
  }
  saved_ = Current();
}

void WindowMemory::RestoreTab() {
  const std::optional<int64_t> tab = defaults_.IntegerForKey(kTabKey);
  if (tab && *tab >= 0 && *tab < tabs_.count()) tabs_.setCurrentIndex(static_cast<int>(*tab));
  saved_.tab = tabs_.currentIndex();
}

void WindowMemory::Save() {
  const Snapshot now = Current();
  if (now == saved_) return;
  const bool stored = defaults_.Store([&](prefs::UserDefaults& d) {
    d.SetString(kGeometryKey, GeometryText(now.geometry));
    d.SetBool(kMaximizedKey, now.maximized);
    d.SetInteger(kTabKey, now.tab);
    for (std::size_t i = 0; i < lists_.size(); ++i) {
      d.SetString(ColumnKey(lists_[i]), ToStd(now.sorts[i].first));
      d.SetString(OrderKey(lists_[i]),
                  now.sorts[i].second == Qt::AscendingOrder ? kAscending : kDescending);
    }
  });
  // A failure was reported; trying again at the next hide is all there is to do.
  if (stored) saved_ = now;
}

}  // namespace netvane::gui
