#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "core/analysis/trip_statistics.h"
#include "core/store/percorsi.h"

class QComboBox;

namespace vianora::gui {

class UserPrompts;
class FlyThrough;
class StatisticsArea;
class TripCharts;

/// The trip-analysis window: choose a trip, "Refresh" shows its statistics and charts.
///
/// Controls carry their design names as object names (cmbPercorso, cmdAggiorna, txtEleMax,
/// ...). The window computes nothing itself: the statistics and their texts come from the
/// core, formatted with the user's locale.
class frmStatPercorso : public QWidget {
  Q_OBJECT

 public:
  frmStatPercorso(const Percorsi& store, UserPrompts& prompts, QWidget* parent = nullptr);
  ~frmStatPercorso() override;

  /// The trip of the last "Refresh": 0 in a new window, -1 after a "Refresh" without a valid
  /// choice.
  int PercorsoSel() const { return lastRefresh_.percorsoSel(); }
  /// The statistics of the trip on show, which the charts read.
  const TripStatistics& statistics() const { return lastRefresh_.statistics; }

  /// Chooses trip `index` in the list and presses "Refresh", as a user would.
  void showTrip(int index);

  /// The window's Google Earth fly-through (tests give it their own Google Earth and clock).
  FlyThrough& flyThrough() { return *flyThrough_; }

 public slots:
  void cmdRefreshPerc_Click();  ///< refill the trip list from the store
  void cmdAggiorna_Click();     ///< select the chosen trip, compute and draw
  void cmdGoogle_Click();       ///< fly Google Earth along the trip of the last "Refresh"
  void cmdSaveAs_Click();       ///< save the chart of the visible tab as a picture

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What the last "Refresh" left: the trip on show (that of the last "Refresh" with a valid
  // choice, none before it) and its statistics, and whether the last one had a valid choice.
  struct LastRefresh {
    std::optional<std::size_t> shown;
    bool validChoice = true;
    TripStatistics statistics;
    int percorsoSel() const { return validChoice ? static_cast<int>(shown.value_or(0)) : -1; }
  };

  void buildTripRow();
  int selectedTrip() const;
  void Aggiorna();
  void showInvalidTrip();

  const Percorsi& store_;
  UserPrompts& prompts_;
  LastRefresh lastRefresh_;
  QString saveFolder_;  // where the Save dialog was last left

  QComboBox* cmbPercorso_ = nullptr;
  std::unique_ptr<StatisticsArea> statisticsArea_;
  TripCharts* charts_ = nullptr;
  FlyThrough* flyThrough_ = nullptr;
};

}  // namespace vianora::gui
