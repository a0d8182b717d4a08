// A QTableView behind the abstract table. Column identifiers and titles come from the form
// (the view's "columnIdentifiers", "columnTitles" and, for screen readers, "columnNames"
// properties). The double action also runs on Enter or Return over a selected row.
#pragma once

#include <QPointer>
#include <QTableView>
#include <functional>
#include <string>

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

 private:
  void FitColumnsToContents();
  void RunDoubleAction();

  QTableView* view_;
  TableModel* model_;  // owned by the view
  bool allowsEmpty_ = true;
  int shownRows_ = 0;  // as of the last Reload
  std::function<void()> doubleAction_;
  // Owns the double-click connection and the key filter; goes with this wrapper.
  QPointer<QObject> input_;
};

}  // namespace netvane::gui
