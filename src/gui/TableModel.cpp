#include "gui/TableModel.h"

#include "gui/NamedImages.h"
#include "gui/TextCodec.h"
#include "ui/ImageNames.h"

namespace netvane::gui {

namespace {
constexpr int kImageSide = 16;
}

TableModel::TableModel(std::vector<std::string> identifiers, QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), ids_(std::move(identifiers)), titles_(std::move(titles)) {}

void TableModel::SetSource(ui::TableDataSource* source) {
  beginResetModel();
  source_ = source;
  endResetModel();
}

void TableModel::Detach() {
  source_ = nullptr;
  beginResetModel();
  endResetModel();
}

void TableModel::Reset() {
  beginResetModel();
  endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || source_ == nullptr) return 0;
  return source_->RowCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
  if (source_ == nullptr || !index.isValid()) return {};
  const auto& id = ids_[static_cast<std::size_t>(index.column())];
  if (role == kSortRole) return ToQt(source_->ValueFor(id, index.row()));
  if (index.column() == imageColumn_) {
    const std::string name = source_->ValueFor(id, index.row());
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
      const std::string text = ui::ImageWords(name);
      if (text.empty()) return {};
      return QString::fromStdString(text);
    }
    if (role != Qt::DecorationRole) return {};
    const QPixmap image = NamedPixmap(name, QSize(kImageSide, kImageSide));
    return image.isNull() ? QVariant() : QVariant(image);
  }
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return ToQt(source_->ValueFor(id, index.row()));
  }
  if (role == Qt::AccessibleTextRole) return ToQt(source_->ValueFor(id, index.row()));
  return {};
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (source_ == nullptr || !index.isValid() || role != Qt::EditRole) return false;
  const std::string& id = ids_[static_cast<std::size_t>(index.column())];
  source_->SetValueFor(id, index.row(),
                       EditedBytes(value.toString(), source_->ValueFor(id, index.row())));
  emit dataChanged(index, index, {role});
  return true;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= titles_.size()) return {};
  if (role == Qt::DisplayRole) return titles_[section];
  // A column without a title (the image column) still has a name for screen readers and a tip.
  if (role == Qt::AccessibleTextRole || (role == Qt::ToolTipRole && titles_[section].isEmpty())) {
    const QString name = section < names_.size() ? names_[section] : QString();
    return name.isEmpty() ? titles_[section] : name;
  }
  return {};
}

}  // namespace netvane::gui
