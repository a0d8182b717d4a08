#include "survey/AccessPointTable.h"

#include <algorithm>

#include "ui/ImageNames.h"

namespace netvane {

int AccessPointTable::RowCount() const {
  return static_cast<int>(tableData.size());
}

int AccessPointTable::RowOf(const std::string& bssid) const {
  const auto at = std::find_if(tableData.begin(), tableData.end(),
                               [&](const AccessPoint& row) { return row.BSSID() == bssid; });
  return at == tableData.end() ? -1 : static_cast<int>(at - tableData.begin());
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
