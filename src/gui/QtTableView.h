// A QTableView behind the abstract table. Column identifiers and titles come from the form
// (the view's "columnIdentifiers", "columnTitles" and, for screen readers, "columnNames"
// properties). The double action also runs on Enter or Return over a selected row.
// A click on a column header sorts the rows (columns the form's "numericColumns" names sort as
// numbers); the table's context menu does the same from the keyboard. Rows the page reads and
// selects are always its own rows, whatever order they are shown in.
#pragma once

#include <QPointer>
#include <QTableView>
#include <functional>
#include <string>

#include "gui/SortedRows.h"
#include "gui/TableModel.h"
#include "ui/TableView.h"

namespace netvane::gui {

class QtTableView : public ui::TableView {
 public:
  explicit QtTableView(QTableView* view);
  ~QtTableView() override;

  void SetEnabled(bool enabled) override { view_->setEnabled(enabled); }
  bool IsEnabled() const override { return view_->isEnabled(); }
  void SetDataSource(ui::TableDataSource* source) override { model_->SetSource(source); }
  void Reload() override;
  int SelectedRow() const override;
  void SelectRow(int row) override;
  void ClearSelection() override { view_->clearSelection(); }
  void SetAllowsEmptySelection(bool allow) override { allowsEmpty_ = allow; }
  void SetDoubleAction(std::function<void()> action) override { doubleAction_ = std::move(action); }
  bool SetImageColumn(const std::string& columnIdentifier) override;

  // The identifier of the column the rows are sorted by; empty while they keep the page's order.
  QString SortColumn() const;
  Qt::SortOrder SortOrder() const { return rows_->sortOrder(); }
  // An empty identifier goes back to the page's order; false for a column the table lacks.
  bool SortBy(const QString& identifier, Qt::SortOrder order);

 private:
  void FitColumnsToContents();
  void RunDoubleAction();
  void AddSortActions();

  QTableView* view_;
  TableModel* model_;  // owned by the view
  SortedRows* rows_;   // the order shown; owned by the view
  bool allowsEmpty_ = true;
  int shownRows_ = 0;  // as of the last Reload
  std::function<void()> doubleAction_;
  // Owns the double-click connection and the key filter; goes with this wrapper.
  QPointer<QObject> input_;
};

}  // namespace netvane::gui
