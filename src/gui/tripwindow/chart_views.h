#pragma once

#include <QObject>
#include <QPointF>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/charts/chart_overlays.h"
#include "core/charts/clock_axis.h"
#include "core/charts/chart_view.h"
#include "core/charts/map_point_lookup.h"
#include "core/charts/point_lookup.h"
#include "core/charts/profile_chart.h"
#include "gui/tripwindow/trip_charts.h"

namespace vianora::gui {

/// What the Profile check boxes and the colouring options ask for.
struct ChartOptions {
  bool altitudeShown = true;
  bool speedShown = true;
  MapColouring colouring = MapColouring::Altitude;
  bool timeOfDay = false;  ///< the Distance chart's time axis shows the time of day
};

/// The three charts of one trip as the user looks at them: the plain drawings, the part
/// each surface shows (zoomed and panned with the mouse), and the cursor, one point of the trip
/// marked on every chart with its readout. The core draws and looks everything up; this only
/// keeps the state and answers the surfaces' mouse and keys.
class TileLayer;

class ChartViews : public QObject {
  Q_OBJECT

 public:
  ChartViews(std::array<ChartSurface*, kChartCount> surfaces, std::function<ChartOptions()> options,
             QObject* parent);

  /// Draws the charts of a trip for the surfaces' sizes. A new trip (`newTrip`) also builds the
  /// point lookups anew and drops the cursor; every drawing returns to the whole-trip views.
  void draw(const ChartedTrip& shown, const ProfileAxes& layoutAxes, bool newTrip);
  /// Shows or hides the profile's curves as the options say.
  void showProfileCurves();
  /// Recolours the map as the options say.
  void recolourMap();
  /// Draws the Distance chart again with the time axis the options ask for.
  void retimeProgress();

  /// Lays the map over the tiles of a layer (the map then takes their projection), or back on
  /// white as designed (null). The layer stays the caller's.
  void setTiles(TileLayer* layer);
  /// The view of the map over tiles (meaningless while there are none).
  const MercatorView& tiledView() const { return tiled_.view; }

  /// Marks a stretch of the trip on the map and the profile and puts the cursor on its first
  /// point; none clears the mark, and the cursor stays. A new trip clears it too.
  void markStretch(std::optional<TripStretch> stretch);

  std::optional<std::size_t> cursor() const { return cursor_; }
  const ChartView& view(Chart chart) const { return views_[static_cast<int>(chart)]; }

 private:
  void connectSurface(Chart chart);
  void drawPictures(const ChartOptions& options);
  void hover(Chart chart, QPointF at);
  void drag(Chart chart, QPointF from, QPointF to);
  void finishDrag(Chart chart, QPointF from, QPointF to);
  void zoom(Chart chart, QPointF at, double notches);
  void key(Chart chart, int key);
  void setView(Chart chart, const ChartView& view);
  void moveCursor(std::optional<std::size_t> point);
  void showPicture(Chart chart);
  std::shared_ptr<const ChartPicture> wholePicture(Chart chart) const;
  void showTiledMap();
  void showTiles();
  MercatorView wholeTiledView();
  void setTiledView(const MercatorView& view);
  void showWhole(Chart chart);
  void showOverlays();
  ChartedTripView charted() const;
  ProgressTimeAxis timeAxis() const;
  void ensurePoints();
  PlotSpan spanOf(Chart chart) const;
  ChartSurface& at(Chart chart) const { return *surfaces_[static_cast<int>(chart)]; }

  std::array<ChartSurface*, kChartCount> surfaces_;
  std::function<ChartOptions()> options_;
  ChartedTrip shown_;
  ProfileAxes layoutAxes_;
  // The plain drawings, shared with the surfaces that show them whole: never changed in place,
  // a change makes a new drawing.
  std::shared_ptr<const ProfileDrawing> profile_ = std::make_shared<const ProfileDrawing>();
  std::shared_ptr<const ChartPicture> progress_ = std::make_shared<const ChartPicture>();
  std::shared_ptr<const ChartPicture> map_ = std::make_shared<const ChartPicture>();
  double mapScale_ = 0;
  TripPointLookup points_;
  bool pointsBuilt_ = false;  // built at the first hover or key: "Refresh" does not wait for it
  MapPointLookup mapPoints_;
  std::array<ChartView, kChartCount> views_;
  std::optional<std::size_t> cursor_;
  std::optional<TripStretch> stretch_;
  TileLayer* tiles_ = nullptr;      // the map's background; none while drawn on white
  std::vector<WorldPlace> places_;  // the trip's points in the tiles' projection
  MapPointLookup worldPoints_;
  TiledMap tiled_;
  double wheelRest_ = 0;            // wheel notches not yet turned into a zoom level
  std::optional<QPointF> panFrom_;  // the map's last drag position
  struct Band {
    Chart chart;
    double from, to;  // shown twips
  };
  std::optional<Band> band_;  // a chart's zoom range while the mouse drags across it
};

}  // namespace vianora::gui
