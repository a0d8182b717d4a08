#include "survey/AccessPointTable.h"

#include "ui/ImageNames.h"

namespace netvane {

int AccessPointTable::RowCount() const {
  return static_cast<int>(tableData.size());
}

std::string AccessPointTable::ValueFor(const std::string& columnIdentifier, int row) const {
  if (row < 0 || row >= RowCount()) return {};
  if (columnIdentifier == kMarkColumn) {
    return row == state_.G_bCurSelItem ? ui::kImageHandshake : "";
  }
  return tableData[static_cast<std::size_t>(row)].Attribute(columnIdentifier);
}

void AccessPointTable::SetValueFor(const std::string& columnIdentifier, int row,
                                   const std::string& value) {
  if (row < 0 || row >= RowCount()) return;
  tableData[static_cast<std::size_t>(row)].SetAttribute(columnIdentifier, value);
}

}  // namespace netvane
