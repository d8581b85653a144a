#include "gui/tripwindow/text_table_model.h"

#include <algorithm>
#include <numeric>

namespace vianora::gui {

void TextTableModel::setTable(TextTable table) {
  beginResetModel();
  table_ = std::move(table);
  order_.resize(table_.rows.size());
  std::iota(order_.begin(), order_.end(), std::size_t{0});
  endResetModel();
}

TextTable TextTableModel::shown() const {
  TextTable shown;
  shown.header = table_.header;
  shown.rows.reserve(order_.size());
  for (const std::size_t row : order_) shown.rows.push_back(table_.rows[row]);
  return shown;
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.header.size());
}

// A row shorter than the header leaves its last cells empty.
const TableCell* TextTableModel::cell(std::size_t row, int column) const {
  const auto& cells = table_.rows[row];
  return column >= 0 && static_cast<std::size_t>(column) < cells.size() ? &cells[column] : nullptr;
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  // Every column holds a number or a time: they line up on the right.
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  const TableCell* shown = cell(tableRow(index.row()), index.column());
  return shown ? QString::fromStdString(shown->text) : QString();
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= columnCount())
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromStdString(table_.header[static_cast<std::size_t>(section)]);
}

// A stable sort: rows of equal values keep the order they had, so sorting by one column and
// then another orders by both.
void TextTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= columnCount()) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<std::size_t> before = order_;
  const auto valueOf = [&](std::size_t row) {
    const TableCell* c = cell(row, column);
    return c ? c->value : 0.0;
  };
  std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
    return order == Qt::AscendingOrder ? valueOf(a) < valueOf(b) : valueOf(b) < valueOf(a);
  });
  // The selection follows its rows to their new places.
  std::vector<int> placeOf(order_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) placeOf[order_[i]] = static_cast<int>(i);
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  for (const QModelIndex& index : from)
    to.push_back(
        this->index(placeOf[before[static_cast<std::size_t>(index.row())]], index.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace vianora::gui
