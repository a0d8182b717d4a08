// A table whose rows come from a data source the page implements. Columns are known by their
// identifiers; an image column shows named images instead of text.
#pragma once

#include <functional>
#include <string>

#include "ui/Control.h"

namespace netvane::ui {

class TableDataSource {
 public:
  TableDataSource() = default;
  TableDataSource(const TableDataSource&) = delete;
  TableDataSource& operator=(const TableDataSource&) = delete;
  virtual ~TableDataSource() = default;

  virtual int RowCount() const = 0;
  // For an image column: the image name, empty for an empty cell.
  virtual std::string ValueFor(const std::string& columnIdentifier, int row) const = 0;
  // A cell edited in place.
  virtual void SetValueFor(const std::string& columnIdentifier, int row,
                           const std::string& value) = 0;
};

class TableView : public Control {
 public:
  // The source must outlive the table or be replaced by nullptr first.
  virtual void SetDataSource(TableDataSource* source) = 0;
  // Re-reads every row and cell from the data source.
  virtual void Reload() = 0;
  virtual int SelectedRow() const = 0;  // -1 for none
  virtual void SelectRow(int row) = 0;
  virtual void ClearSelection() = 0;
  virtual void SetAllowsEmptySelection(bool allow) = 0;
  virtual void SetDoubleAction(std::function<void()> action) = 0;
  // Gives the column an image cell; false when no column has that identifier.
  virtual bool SetImageColumn(const std::string& columnIdentifier) = 0;
};

}  // namespace netvane::ui
