#include "gui/SortedRows.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace netvane::gui {

namespace {

// The number a cell starts with ("-48", "6", "2412.5 MHz"); none for a cell that does not.
std::optional<double> LeadingNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  qsizetype end = 0;
  if (end < trimmed.size() && (trimmed[end] == u'-' || trimmed[end] == u'+')) ++end;
  const qsizetype digits = end;
  while (end < trimmed.size() && (trimmed[end].isDigit() || trimmed[end] == u'.')) ++end;
  if (end == digits) return std::nullopt;
  bool ok = false;
  const double value = trimmed.left(end).toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

SortedRows::SortedRows(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortCaseSensitivity(Qt::CaseInsensitive);
  setSortLocaleAware(true);
}

bool SortedRows::IsNumeric(int column) const {
  return std::find(numeric_.begin(), numeric_.end(), column) != numeric_.end();
}

bool SortedRows::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  if (!IsNumeric(left.column())) return QSortFilterProxyModel::lessThan(left, right);
  const auto a = LeadingNumber(left.data(sortRole()).toString());
  const auto b = LeadingNumber(right.data(sortRole()).toString());
  // Cells without a number go after every number.
  if (!a || !b) return a.has_value() && !b.has_value();
  return *a < *b;
}

QVariant SortedRows::headerData(int section, Qt::Orientation orientation, int role) const {
  QVariant value = QSortFilterProxyModel::headerData(section, orientation, role);
  if (orientation != Qt::Horizontal || section != sortColumn()) return value;
  if (role == Qt::AccessibleTextRole) {
    return sortOrder() == Qt::AscendingOrder
               ? QCoreApplication::translate("SortedRows", "%1, sorted ascending")
                     .arg(value.toString())
               : QCoreApplication::translate("SortedRows", "%1, sorted descending")
                     .arg(value.toString());
  }
  return value;
}

}  // namespace netvane::gui
