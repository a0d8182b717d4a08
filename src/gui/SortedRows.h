// The rows of a table in the order the person chose by clicking a column header, over the
// page's own rows. Until a column is chosen the rows keep the page's (the driver's) order; ties
// keep it too. Columns named as numeric sort by the number their text starts with (signal,
// channel), the others as text. The chosen column's header tells screen readers how it sorts.
#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>
#include <vector>

namespace netvane::gui {

class SortedRows : public QSortFilterProxyModel {
 public:
  explicit SortedRows(QObject* parent);

  // Which columns hold numbers, by position.
  void SetNumericColumns(std::vector<int> columns) { numeric_ = std::move(columns); }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  bool IsNumeric(int column) const;

  std::vector<int> numeric_;
};

}  // namespace netvane::gui
