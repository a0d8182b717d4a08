// The access point list as the table reads it: the rows, and the "PI" image column that marks
// the row of the network the adapter is associated with.
#pragma once

#include <string>
#include <vector>

#include "state/SharedState.h"
#include "survey/AccessPoint.h"
#include "ui/TableView.h"

namespace netvane {

class AccessPointTable : public ui::TableDataSource {
 public:
  static constexpr const char* kMarkColumn = "PI";

  // `state` tells which row is associated; it must outlive the table.
  explicit AccessPointTable(const SharedState& state) : state_(state) {}

  void Replace(std::vector<AccessPoint> rows) { tableData = std::move(rows); }
  void Clear() { tableData.clear(); }
  const std::vector<AccessPoint>& Rows() const { return tableData; }
  // The row of the network with this BSSID text; -1 when none.
  int RowOf(const std::string& bssid) const;

  int RowCount() const override;
  // Rows outside the list read as empty cells.
  std::string ValueFor(const std::string& columnIdentifier, int row) const override;
  void SetValueFor(const std::string& columnIdentifier, int row, const std::string& value) override;

 private:
  const SharedState& state_;
  std::vector<AccessPoint> tableData;  // NOLINT(readability-identifier-naming) the page's name
};

}  // namespace netvane
