#include "gui/QtTableView.h"

#include <algorithm>

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QVariant>

#include "gui/TextCodec.h"

namespace netvane::gui {

namespace {

std::vector<std::string> Identifiers(const QTableView* view) {
  std::vector<std::string> ids;
  for (const QString& id : view->property("columnIdentifiers").toStringList()) {
    ids.push_back(ToStd(id));
  }
  return ids;
}

// Runs the table's double action for Enter and Return, which the view itself turns into an
// "activated" signal that some styles also send for a click.
class ReturnKeyFilter : public QObject {
 public:
  ReturnKeyFilter(QObject* parent, std::function<bool()> action)
      : QObject(parent), action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
          !key->isAutoRepeat() && action_()) {
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool()> action_;
};

std::vector<int> ColumnsNamed(const std::vector<std::string>& ids, const QStringList& names) {
  std::vector<int> columns;
  for (const QString& name : names) {
    const auto at = std::find(ids.begin(), ids.end(), ToStd(name));
    if (at != ids.end()) columns.push_back(static_cast<int>(at - ids.begin()));
  }
  return columns;
}

constexpr int kImageColumnWidth = 28;
constexpr int kCellPadding = 16;

}  // namespace

QtTableView::QtTableView(QTableView* view)
    : view_(view),
      model_(
          new TableModel(Identifiers(view), view->property("columnTitles").toStringList(), view)),
      rows_(new SortedRows(view)) {
  model_->SetColumnNames(view->property("columnNames").toStringList());
  rows_->setSourceModel(model_);
  rows_->setSortRole(TableModel::kSortRole);
  rows_->SetNumericColumns(
      ColumnsNamed(model_->Identifiers(), view->property("numericColumns").toStringList()));
  view_->setModel(rows_);
  // The page's order until the person picks a column; a third click on it goes back to it.
  QHeaderView* header = view_->horizontalHeader();
  header->setSortIndicator(-1, Qt::AscendingOrder);
  header->setSortIndicatorClearable(true);
  header->setSectionsClickable(true);
  view_->setSortingEnabled(true);
  AddSortActions();
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The arrow keys move inside the list; Tab goes on to the next control.
  view_->setTabKeyNavigation(false);
  view_->verticalHeader()->setVisible(false);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  for (int c = 0; c < model_->columnCount({}); ++c) {
    const QString title = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    view_->setColumnWidth(c, view_->fontMetrics().horizontalAdvance(title) + 32);
  }
  auto* input = new ReturnKeyFilter(view_, [this] {
    if (!doubleAction_ || SelectedRow() < 0) return false;
    RunDoubleAction();
    return true;
  });
  view_->installEventFilter(input);
  QObject::connect(view_, &QAbstractItemView::doubleClicked, input,
                   [this](const QModelIndex&) { RunDoubleAction(); });
  input_ = input;
}

QtTableView::~QtTableView() {
  // The page controllers behind the list go first; the window, laying out its lists as it
  // closes, must not ask them for rows.
  model_->Detach();
  delete input_.data();
}

void QtTableView::RunDoubleAction() {
  if (doubleAction_) doubleAction_();
}

void QtTableView::Reload() {
  const int keep = SelectedRow();
  // The source has changed already: whether the table was empty is what it last showed.
  const bool wasEmpty = shownRows_ == 0;
  model_->Reset();
  shownRows_ = model_->rowCount({});
  // The first rows decide the column widths; later reloads leave them to the user.
  if (wasEmpty && shownRows_ > 0) FitColumnsToContents();
  // A reset drops the selection; a page that wants it gone says so with ClearSelection.
  if (keep >= 0 && keep < model_->rowCount({})) SelectRow(keep);
  if (!allowsEmpty_ && SelectedRow() < 0 && model_->rowCount({}) > 0) SelectRow(0);
}

void QtTableView::FitColumnsToContents() {
  // Measured from the texts: the view's own fitting sees only rows on screen, and at start-up
  // the window is not shown yet.
  const QFontMetrics metrics = view_->fontMetrics();
  const int rows = model_->rowCount({});
  for (int c = 0; c < model_->columnCount({}); ++c) {
    if (c == model_->ImageColumn()) continue;
    int width = view_->horizontalHeader()->sectionSizeHint(c);
    for (int r = 0; r < rows; ++r) {
      const QString text = model_->data(model_->index(r, c), Qt::DisplayRole).toString();
      width = std::max(width, metrics.horizontalAdvance(text) + kCellPadding);
    }
    view_->setColumnWidth(c, width);
  }
}

int QtTableView::SelectedRow() const {
  const QItemSelectionModel* selection = view_->selectionModel();
  if (selection == nullptr) return -1;
  const QModelIndexList rows = selection->selectedRows();
  return rows.isEmpty() ? -1 : rows_->mapToSource(rows.first()).row();
}

void QtTableView::SelectRow(int row) {
  if (row < 0 || row >= model_->rowCount({})) {
    view_->clearSelection();
    return;
  }
  view_->selectRow(rows_->mapFromSource(model_->index(row, 0)).row());
}

QString QtTableView::SortColumn() const {
  const int column = rows_->sortColumn();
  const auto& ids = model_->Identifiers();
  if (column < 0 || column >= static_cast<int>(ids.size())) return {};
  return ToQt(ids[static_cast<std::size_t>(column)]);
}

bool QtTableView::SortBy(const QString& identifier, Qt::SortOrder order) {
  if (identifier.isEmpty()) {
    view_->sortByColumn(-1, Qt::AscendingOrder);
    return true;
  }
  const auto& ids = model_->Identifiers();
  const auto at = std::find(ids.begin(), ids.end(), ToStd(identifier));
  if (at == ids.end()) return false;
  view_->sortByColumn(static_cast<int>(at - ids.begin()), order);
  return true;
}

void QtTableView::AddSortActions() {
  // The header takes no keyboard focus: its clicks are offered in the table's context menu.
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (int c = 0; c < model_->columnCount({}); ++c) {
    const QString name = model_->headerData(c, Qt::Horizontal, Qt::AccessibleTextRole).toString();
    if (name.isEmpty()) continue;
    auto* action =
        new QAction(QCoreApplication::translate("QtTableView", "Sort by %1").arg(name), view_);
    // The same column again reverses the order, as a second click on its header does.
    QObject::connect(action, &QAction::triggered, view_, [this, c] {
      const bool again = rows_->sortColumn() == c && rows_->sortOrder() == Qt::AscendingOrder;
      view_->sortByColumn(c, again ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    view_->addAction(action);
  }
  auto* unsorted = new QAction(QCoreApplication::translate("QtTableView", "Order as found"), view_);
  QObject::connect(unsorted, &QAction::triggered, view_,
                   [this] { view_->sortByColumn(-1, Qt::AscendingOrder); });
  view_->addAction(unsorted);
}

bool QtTableView::SetImageColumn(const std::string& columnIdentifier) {
  const auto& ids = model_->Identifiers();
  for (std::size_t c = 0; c < ids.size(); ++c) {
    if (ids[c] != columnIdentifier) continue;
    const int column = static_cast<int>(c);
    model_->SetImageColumn(column);
    view_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
    view_->setColumnWidth(column, kImageColumnWidth);
    return true;
  }
  return false;
}

}  // namespace netvane::gui
