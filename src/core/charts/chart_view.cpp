#include "core/charts/chart_view.h"

#include <algorithm>
#include <cmath>

namespace vianora {

namespace {

/// A chart zoom this close to 1 is the whole view: zooming in and out again by the same
/// factor gives back the drawing itself rather than a copy one rounding off it.
constexpr double kWholeZoomTolerance = 1e-9;

bool usable(double value) { return std::isfinite(value); }

// The chart view of a zoom and an offset, the offset held so that the plot's left end never
// shows right of plotLeft nor its right end left of plotRight.
ChartView keptWithinPlot(double scale, double offset, double plotLeft, double plotRight) {
  if (!(plotRight > plotLeft) || !usable(scale) || !usable(offset)) return ChartView{};
  scale = std::clamp(scale, 1.0, kChartMaxZoom);
  if (scale - 1.0 < kWholeZoomTolerance) return ChartView{};
  // pictureX(plotLeft) >= plotLeft and pictureX(plotRight) <= plotRight, worked out for the
  // offset: plotRight * (1 - scale) <= offset <= plotLeft * (1 - scale).
  const double least = plotRight * (1.0 - scale);
  const double most = plotLeft * (1.0 - scale);
  ChartView view;
  view.scaleX = scale;
  view.offsetX = std::clamp(offset, least, most);
  return view;
}

}  // namespace

ChartView mapZoomedAround(const ChartView& view, double factor, double shownX, double shownY) {
  if (!(factor > 0) || !usable(factor) || !usable(shownX) || !usable(shownY)) return view;
  // The factor is clamped rather than the zoom so that the point under the mouse stays put.
  const double zoom = std::clamp(view.scaleX * factor, kMapMinZoom, kMapMaxZoom);
  const double f = zoom / view.scaleX;
  ChartView zoomed;
  zoomed.scaleX = zoom;
  zoomed.scaleY = view.scaleY * f;
  zoomed.offsetX = shownX + (view.offsetX - shownX) * f;
  zoomed.offsetY = shownY + (view.offsetY - shownY) * f;
  return zoomed;
}

ChartView mapPanned(const ChartView& view, double dx, double dy) {
  if (!usable(dx) || !usable(dy)) return view;
  ChartView panned = view;
  panned.offsetX += dx;
  panned.offsetY += dy;
  return panned;
}

ChartView chartZoomedAround(const ChartView& view, double factor, double shownX, double plotLeft,
                            double plotRight) {
  if (!(factor > 0) || !usable(factor) || !usable(shownX)) return view;
  const double zoom = std::clamp(view.scaleX * factor, 1.0, kChartMaxZoom);
  const double f = zoom / view.scaleX;
  return keptWithinPlot(zoom, shownX + (view.offsetX - shownX) * f, plotLeft, plotRight);
}

ChartView chartRangeView(double from, double to, double plotLeft, double plotRight) {
  if (!usable(from) || !usable(to)) return ChartView{};
  const double width = plotRight - plotLeft;
  double left = std::min(from, to);
  const double right = std::max(from, to);
  double scale = width / (right - left);
  if (!(scale <= kChartMaxZoom)) {  // too narrow (or a click): widened around its middle
    scale = kChartMaxZoom;
    left = left / 2 + right / 2 - width / kChartMaxZoom / 2;
  }
  // left is shown at plotLeft: left * scale + offset = plotLeft.
  return keptWithinPlot(scale, plotLeft - left * scale, plotLeft, plotRight);
}

ChartView chartPanned(const ChartView& view, double dx, double plotLeft, double plotRight) {
  if (!usable(dx)) return view;
  return keptWithinPlot(view.scaleX, view.offsetX + dx, plotLeft, plotRight);
}

}  // namespace vianora
