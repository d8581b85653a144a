#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"
#include "core/store/percorsi.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QTabBar;
class QTimer;
class QWidget;

namespace vianora::gui {

class ChartSurface;
class ChartViews;
class DetailsTab;
class MapBackground;
class UserPrompts;

/// The charts of the trip window, in the order of their tabs.
enum class Chart { Map, Profile, Progress };
inline constexpr int kChartCount = 3;
/// The tab after the charts' shows the trip's details.
inline constexpr int kDetailsTab = kChartCount;

/// The trip the charts are drawn for and its statistics; no trip before the first "Refresh".
struct ChartedTrip {
  const Percorso* trip = nullptr;
  const TripStatistics* statistics = nullptr;
};

/// The charts area of the trip window: the tab strip tbsPercorso, a drawing surface per chart
/// tab (pctPercorso1 to 3) and the Details tab after them, the profile's check boxes and the
/// Distance chart's time axis choice (cmbTimeAxis; in the tab strip's row, clear of the curves) and
/// the map's colouring options (frmColorazione), all children of the window. The charts are drawn
/// by the core for each surface's size and redrawn when the window's size has settled; ChartViews
/// keeps what the user zoomed and pointed at.
class TripCharts : public QObject {
  Q_OBJECT

 public:
  /// `shown` gives the trip to draw, asked anew at every drawing.
  TripCharts(QWidget& window, UserPrompts& prompts, std::function<ChartedTrip()> shown);

  /// Fits the tab strip and the surfaces to the window.
  void layOut();
  /// Lays out again, and redraws the charts once the user has stopped resizing.
  void windowResized();
  /// Draws the three charts of the trip on show, a new trip after a "Refresh".
  void draw();

  /// The zoom, pan and cursor of the charts.
  const ChartViews& views() const { return *views_; }

  const ChartSurface& surface(Chart chart) const { return *surfaces_[static_cast<int>(chart)]; }
  /// The chart of the selected tab; none on the Details tab.
  std::optional<Chart> visibleChart() const;

  /// The Details tab, filled by each "Refresh".
  DetailsTab& details() { return *details_; }

 signals:
  /// The tab shown has changed: a chart's (true) or the details' (false).
  void chartShown(bool chart);

 public slots:
  void tbsPercorso_Click();    ///< show the surface of the selected tab
  void chkElevazione_Click();  ///< show or hide the altitude profile
  void chkVelocita_Click();    ///< show or hide the speed profile
  void optAltezza_Click();     ///< colour the map by altitude
  void optVelocita_Click();    ///< colour the map by speed
  void cmbTimeAxis_Click();    ///< switch the Distance chart's time axis

 private:
  void buildColourOptions();
  void buildTabs();
  void buildCheckBoxes();
  ChartSurface& at(Chart chart) { return *surfaces_[static_cast<int>(chart)]; }
  void drawFor(bool newTrip);
  void checkTileArea();

  QWidget& window_;
  std::function<ChartedTrip()> shown_;
  QTimer* redrawTimer_ = nullptr;
  ChartViews* views_ = nullptr;
  MapBackground* background_ = nullptr;

  QGroupBox* frmColorazione_ = nullptr;
  QRadioButton* optAltezza_ = nullptr;
  QRadioButton* optVelocita_ = nullptr;
  QTabBar* tbsPercorso_ = nullptr;
  std::array<ChartSurface*, kChartCount> surfaces_ = {};
  DetailsTab* details_ = nullptr;
  QCheckBox* chkVelocita_ = nullptr;
  QCheckBox* chkElevazione_ = nullptr;
  QComboBox* cmbTimeAxis_ = nullptr;
};

}  // namespace vianora::gui
