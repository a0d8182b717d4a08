// A table without pixels: reads its data source on Reload so tests see what would be shown.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/ui/FakeControls.h"
#include "ui/TableView.h"

namespace netvane::testing {

class FakeTableView : public FakeControl<ui::TableView> {
 public:
  explicit FakeTableView(std::vector<std::string> columnIdentifiers)
      : columns(std::move(columnIdentifiers)) {}

  void SetDataSource(ui::TableDataSource* source) override { source_ = source; }
  void Reload() override {
    ++reloads;
    rows.clear();
    if (source_ == nullptr) return;
    for (int r = 0; r < source_->RowCount(); ++r) {
      std::map<std::string, std::string> row;
      for (const auto& c : columns) row[c] = source_->ValueFor(c, r);
      rows.push_back(std::move(row));
    }
    if (selected >= static_cast<int>(rows.size())) selected = -1;
  }
  int SelectedRow() const override { return selected; }
  void SelectRow(int row) override { selected = row; }
  void ClearSelection() override { selected = -1; }
  void SetAllowsEmptySelection(bool /*allow*/) override {}
  void SetDoubleAction(std::function<void()> action) override { doubleAction = std::move(action); }
  bool SetImageColumn(const std::string& id) override {
    return std::find(columns.begin(), columns.end(), id) != columns.end();
  }

  // Plays the user.
  void DoubleClick(int row) {
    selected = row;
    if (doubleAction) doubleAction();
  }

  std::vector<std::string> columns;
  std::vector<std::map<std::string, std::string>> rows;  // as of the last Reload
  int reloads = 0;
  int selected = -1;
  std::function<void()> doubleAction;

 private:
  ui::TableDataSource* source_ = nullptr;
};

}  // namespace netvane::testing
