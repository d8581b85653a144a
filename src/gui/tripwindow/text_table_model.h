#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <vector>

#include "core/analysis/details_texts.h"

namespace vianora::gui {

/// A table of texts for a QTableView: each cell shows its text and sorts by its value, so
/// that "1:05:00" comes after "9:00". Sorting reorders the rows shown; the table's own rows
/// keep their numbers, which tableRow() gives back.
class TextTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  /// Shows a new table in its own order.
  void setTable(TextTable table);
  /// The table's row shown at `row`.
  std::size_t tableRow(int row) const { return order_[static_cast<std::size_t>(row)]; }
  /// The table with its rows in the order shown.
  TextTable shown() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  const TableCell* cell(std::size_t row, int column) const;

  TextTable table_;
  std::vector<std::size_t> order_;  // the table's row shown at each row
};

}  // namespace vianora::gui
