// Presents a page's table data source to a Qt view, column by identifier.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <string>
#include <vector>

#include "ui/TableView.h"

namespace netvane::gui {

class TableModel : public QAbstractTableModel {
 public:
  // A cell's text for sorting, an image column's too (its image name).
  static constexpr int kSortRole = Qt::UserRole + 1;

  TableModel(std::vector<std::string> identifiers, QStringList titles, QObject* parent);

  void SetSource(ui::TableDataSource* source);
  // Forgets the source before telling the view, for a source that is already gone.
  void Detach();
  void SetImageColumn(int column) { imageColumn_ = column; }
  // What a screen reader calls each column, by position; an empty or missing one is the title.
  void SetColumnNames(QStringList names) { names_ = std::move(names); }
  int ImageColumn() const { return imageColumn_; }
  // Every row and cell may have changed.
  void Reset();
  const std::vector<std::string>& Identifiers() const { return ids_; }

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<std::string> ids_;
  QStringList titles_;
  QStringList names_;
  ui::TableDataSource* source_ = nullptr;
  int imageColumn_ = -1;
};

}  // namespace netvane::gui
