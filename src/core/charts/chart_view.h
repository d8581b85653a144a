#pragma once

namespace vianora {

/// What part of a chart's picture a surface shows: a point (x, y) of the picture (twips) is
/// shown at (x * scaleX + offsetX, y * scaleY + offsetY). The whole view shows the picture as
/// drawn. The map zooms both axes alike; the Profile and Distance charts zoom x alone.
struct ChartView {
  double scaleX = 1, scaleY = 1;
  double offsetX = 0, offsetY = 0;

  double shownX(double x) const { return x * scaleX + offsetX; }
  double shownY(double y) const { return y * scaleY + offsetY; }
  double pictureX(double shown) const { return (shown - offsetX) / scaleX; }
  double pictureY(double shown) const { return (shown - offsetY) / scaleY; }
  bool isWhole() const { return scaleX == 1 && scaleY == 1 && offsetX == 0 && offsetY == 0; }

  friend bool operator==(const ChartView&, const ChartView&) = default;
};

/// How much one notch of the mouse wheel zooms in.
inline constexpr double kWheelZoomFactor = 1.25;
/// The map zooms from a quarter of the whole trip to this many times it.
inline constexpr double kMapMinZoom = 0.25;
inline constexpr double kMapMaxZoom = 100000.0;
/// The charts zoom in until this many twips show one twip of the whole plot.
inline constexpr double kChartMaxZoom = 100000.0;

/// The map zoomed by `factor` (> 1 in, < 1 out) around a shown point, which stays where it is;
/// the zoom is kept within kMapMinZoom..kMapMaxZoom.
ChartView mapZoomedAround(const ChartView& view, double factor, double shownX, double shownY);

/// The map moved by (dx, dy) shown twips.
ChartView mapPanned(const ChartView& view, double dx, double dy);

/// A chart zoomed along x by `factor` around the shown x, then kept within its plot: the plot
/// spans plotLeft..plotRight (picture twips, the same on screen in the whole view), the view
/// never shows less than it (the zoom is at least 1) nor more than kChartMaxZoom, and never
/// shows beyond its ends. A zoom within 1e-9 of 1 is the whole view.
ChartView chartZoomedAround(const ChartView& view, double factor, double shownX, double plotLeft,
                            double plotRight);

/// The chart view that shows the picture's x from..to (either order) across the whole plot,
/// kept within the plot as chartZoomedAround keeps it. A range narrower than the plot allows
/// at kChartMaxZoom is widened around its middle; one as wide as the plot or wider is the whole
/// view.
ChartView chartRangeView(double from, double to, double plotLeft, double plotRight);

/// A chart moved along x by dx shown twips, kept within its plot.
ChartView chartPanned(const ChartView& view, double dx, double plotLeft, double plotRight);

}  // namespace vianora
