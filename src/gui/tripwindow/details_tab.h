#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/analysis/details_texts.h"
#include "core/analysis/trip_details.h"

class QGridLayout;
class QTableView;

namespace vianora::gui {

class TextTableModel;

/// The Details tab of the trip window (tabDetails): the trip's further figures as captions
/// and texts in a small grid (lblDetails), and its pauses (tblPauses) and splits (tblSplits)
/// as tables sorted by a click on a column's header, each copied whole, rows as shown, as
/// tab-separated text by its Copy button (btnCopyPauses, btnCopySplits) or Ctrl+C. Choosing a row
/// of either table tells the charts which stretch of the trip to mark.
class DetailsTab : public QWidget {
  Q_OBJECT

 public:
  /// Gets the stretch of the pause or split chosen, or none when the choice is cleared.
  using StretchChosen = std::function<void(std::optional<TripStretch>)>;

  DetailsTab(QWidget* parent, StretchChosen chosen);

  /// Shows the figures and tables of a trip, none of their rows chosen.
  void showDetails(const TripDetails& details, const DisplayFormat& format);

 private:
  // One of the two tables, the stretches of its rows in the table's own order.
  struct Table {
    QTableView* view = nullptr;
    TextTableModel* model = nullptr;
    std::vector<TripStretch> stretches;
  };

  QWidget* buildTable(Table& table, const char* name, const char* copyName, const QString& caption);
  void rowChosen(Table& table, Table& other);
  void showFigures(const std::vector<DetailsFigure>& figures);

  StretchChosen chosen_;
  QGridLayout* figures_ = nullptr;
  Table pauses_;
  Table splits_;
  bool filling_ = false;  // no choice is told while the tables are refilled
};

}  // namespace vianora::gui
