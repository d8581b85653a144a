#include "core/charts/zoomed_charts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/charts/grid_step.h"
#include "core/charts/label_spacing.h"
#include "core/charts/progress_chart.h"
#include "core/util/number_format.h"
#include "core/util/time_format.h"

namespace vianora {

namespace {

/// A grid line this close to a plot end (in steps) still stands on the plot: the ends are
/// worked out through the view and seldom land exactly on a multiple of the step.
constexpr double kStepTolerance = 1e-9;
/// The vertical axis shown this close to the plot's left end (twips) still shows the origin.
constexpr double kOriginTolerance = 1e-6;
/// A tick label stands this far right of its grid line, twips, on both charts.
constexpr float kTickOffset = 20.0f;
/// Never more grid lines than this, whatever view is asked for.
constexpr double kMostGridLines = static_cast<double>(kProgressMaxGridLines);

// Shapes hold single precision; far-off values stay far off instead of overflowing.
float twips(double value) {
  constexpr double limit = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -limit, limit));
}

// A segment the view shows wholly left or wholly right of the plot.
bool beyondPlot(const ChartLine& line, const ChartView& view, double left, double right) {
  const double x1 = view.shownX(line.x1);
  const double x2 = view.shownX(line.x2);
  return (x1 < left && x2 < left) || (x1 > right && x2 > right);
}

// Room for exactly the segments kept: a first pass that only reads is cheaper than the
// fresh pages a reservation for every segment would touch, and the picture is kept.
template <typename Beyond>
void reserveKept(const std::vector<ChartLine>& from, std::vector<ChartLine>& to, Beyond beyond) {
  const auto kept =
      std::count_if(from.begin(), from.end(), [&](const ChartLine& line) { return !beyond(line); });
  to.reserve(static_cast<std::size_t>(kept));
}

// The segments of one set moved along x and cut where they cross the plot's ends, the cut end
// taking the height the segment has there; segments wholly beyond an end are left out.
void clipAlongX(const std::vector<ChartLine>& from, const ChartView& view, double left,
                double right, std::vector<ChartLine>& to) {
  const auto beyond = [&](const ChartLine& line) { return beyondPlot(line, view, left, right); };
  reserveKept(from, to, beyond);
  for (const ChartLine& line : from) {
    if (beyond(line)) continue;
    const double x1 = view.shownX(line.x1);
    const double x2 = view.shownX(line.x2);
    const double cut1 = std::clamp(x1, left, right);
    const double cut2 = std::clamp(x2, left, right);
    ChartLine shown = line;
    shown.x1 = twips(cut1);
    shown.x2 = twips(cut2);
    if (cut1 != x1 || cut2 != x2) {  // the ends lie on either side of an end of the plot
      const double slope = (static_cast<double>(line.y2) - line.y1) / (x2 - x1);
      shown.y1 = twips(line.y1 + (cut1 - x1) * slope);
      shown.y2 = twips(line.y1 + (cut2 - x1) * slope);
    }
    to.push_back(shown);
  }
}

// A segment whose bounding box the view shows wholly beside the surface.
bool offSurface(const ChartLine& line, const ChartView& view, double width, double height) {
  const double x1 = view.shownX(line.x1), x2 = view.shownX(line.x2);
  const double y1 = view.shownY(line.y1), y2 = view.shownY(line.y2);
  return std::max(x1, x2) < 0 || std::min(x1, x2) > width || std::max(y1, y2) < 0 ||
         std::min(y1, y2) > height;
}

// The horizontal plot of a chart as a view shows it: the plot's ends, its origin and scale,
// and the span of values (km or days) shown between the ends.
struct ShownPlot {
  double left = 0, right = 0;  ///< the plot's ends, twips
  double x0 = 0;               ///< x of value 0, twips in the picture
  double scale = 0;            ///< picture twips per unit of value
  double first = 0, last = 0;  ///< values shown at the plot's ends
  bool fromOrigin = false;     ///< value 0 is shown at the left end
};

ShownPlot shownPlot(const ChartView& view, double left, double right, double x0, double scale) {
  ShownPlot plot{left, right, x0, scale};
  plot.fromOrigin = view.shownX(x0) >= left - kOriginTolerance;
  plot.first = plot.fromOrigin ? 0.0 : (view.pictureX(left) - x0) / scale;
  plot.last = (view.pictureX(right) - x0) / scale;
  return plot;
}

// A dotted copy of the vertical axis at a value shown on the plot, with its label at the
// origin label's height.
void addGridLine(ChartPicture& picture, std::vector<ChartLine>& grid, const ChartLine& axis,
                 const ChartLabel& origin, const ShownPlot& plot, const ChartView& view,
                 double value, std::string caption) {
  ChartLine line = axis;
  line.x1 = line.x2 = twips(view.shownX(plot.x0 + value * plot.scale));
  line.style = LineStyle::Dot;
  line.visible = true;
  grid.push_back(line);
  ChartLabel label = origin;
  label.left = line.x1 + kTickOffset;
  label.caption = std::move(caption);
  label.visible = true;
  picture.labels.push_back(std::move(label));
}

// Dotted copies of the vertical axis at the multiples of step shown on the plot (none at 0,
// where the axis is, nor past `limit`), each with a label at the origin label's height.
template <typename Caption>
void addGrid(ChartPicture& picture, std::vector<ChartLine>& grid, const ChartLine& axis,
             const ChartLabel& origin, const ShownPlot& plot, const ChartView& view, double step,
             double limit, Caption caption) {
  if (!(step > 0) || !std::isfinite(step)) return;
  const double firstK = std::max(1.0, std::ceil(plot.first / step - kStepTolerance));
  const double lastK = std::floor(std::min(plot.last, limit) / step + kStepTolerance);
  if (!(lastK >= firstK) || lastK - firstK >= kMostGridLines) return;
  grid.reserve(static_cast<std::size_t>(lastK - firstK) + 1);
  picture.labels.reserve(picture.labels.size() + grid.capacity());
  for (double k = firstK; k <= lastK; k += 1)
    addGridLine(picture, grid, axis, origin, plot, view, k * step, caption(k * step));
}

// The time-of-day grid over the elapsed time shown, never past the trip's duration.
void addClockGrid(ChartPicture& picture, const ChartLine& axis, const ChartLabel& origin,
                  const ShownPlot& plot, const ChartView& view, double step,
                  const ProgressPlot& scales, const ClockText& text) {
  const std::vector<double> times =
      clockGridTimes(scales.t0, plot.first, std::min(plot.last, scales.duration), step);
  std::vector<ChartLine>& grid = picture.lineSets[kProgressGridSet];
  const std::size_t first = picture.labels.size();
  std::vector<double> days;
  days.reserve(times.size());
  for (const double t : times) {
    addGridLine(picture, grid, axis, origin, plot, view, t, {});
    days.push_back(scales.t0 + t);
  }
  captionClockLabels(picture, first, days, scales.t0 + std::max(plot.first, 0.0), text);
}

ChartPicture emptyLike(const ChartPicture& picture) {
  ChartPicture shown;
  shown.width = picture.width;
  shown.height = picture.height;
  shown.lineSets.resize(picture.lineSets.size());
  return shown;
}

// The picture's origin label, shown only while the view shows the origin.
ChartLabel originLabel(ChartLabel origin, const ShownPlot& plot) {
  origin.visible = origin.visible && plot.fromOrigin;
  return origin;
}

}  // namespace

ChartPicture mapInView(const ChartPicture& map, const ChartView& view) {
  if (view.isWhole()) return map;
  ChartPicture shown = emptyLike(map);
  const auto off = [&](const ChartLine& line) {
    return offSurface(line, view, map.width, map.height);
  };
  for (std::size_t set = 0; set < map.lineSets.size(); ++set) {
    reserveKept(map.lineSets[set], shown.lineSets[set], off);
    for (const ChartLine& line : map.lineSets[set]) {
      if (off(line)) continue;
      ChartLine moved = line;
      moved.x1 = twips(view.shownX(line.x1)), moved.y1 = twips(view.shownY(line.y1));
      moved.x2 = twips(view.shownX(line.x2)), moved.y2 = twips(view.shownY(line.y2));
      shown.lineSets[set].push_back(moved);
    }
  }
  for (ChartLabel label : map.labels) {
    label.left = twips(view.shownX(label.left));
    label.top = twips(view.shownY(label.top));
    shown.labels.push_back(std::move(label));
  }
  for (ChartBox box : map.boxes) {
    box.left = twips(view.shownX(box.left)), box.top = twips(view.shownY(box.top));
    box.width = twips(box.width * view.scaleX), box.height = twips(box.height * view.scaleY);
    shown.boxes.push_back(box);
  }
  return shown;
}

ChartPicture profileInView(const ProfileDrawing& drawing, const ProfileAxes& layoutAxes,
                           const TripStatistics& stats, const ChartView& view,
                           std::string_view decimalSeparator) {
  using Sets = ProfileDrawing;
  const ChartPicture& picture = drawing.picture;
  const std::optional<ProfilePlot> scales = profilePlotFor(layoutAxes, stats);
  if (view.isWhole() || !scales || picture.lineSets.size() != Sets::kSetCount) return picture;
  const ShownPlot plot =
      shownPlot(view, scales->x0, layoutAxes.lineX.x2, scales->x0, scales->xScale);
  ChartPicture shown = emptyLike(picture);
  shown.lineSets[Sets::kAxesSet] = picture.lineSets[Sets::kAxesSet];
  for (const std::size_t set : {Sets::kAltitudeSet, Sets::kSpeedSet})
    clipAlongX(picture.lineSets[set], view, plot.left, plot.right, shown.lineSets[set]);
  shown.labels.push_back(originLabel(drawing.axes.origin, plot));
  const double step = gridStep(plot.last - plot.first);
  const double noLimit = std::numeric_limits<double>::infinity();
  addGrid(shown, shown.lineSets[Sets::kGridSet], drawing.axes.lineY, drawing.axes.origin, plot,
          view, step, noLimit, [&](double km) { return generalNumberText(km, decimalSeparator); });
  thinCrowdedLabels(shown);
  return shown;
}

ChartPicture progressInView(const ChartPicture& progress, const ProfileAxes& profileAxes,
                            const TripStatistics& stats, const ChartView& view,
                            const ProgressTimeAxis& axis) {
  const std::optional<ProgressPlot> scales = progressPlotFor(stats, profileAxes);
  if (view.isWhole() || !scales || progress.lineSets.size() != kProgressSetCount ||
      progress.labels.empty())
    return progress;
  const ShownPlot plot =
      shownPlot(view, scales->x0, profileAxes.lineX.x2, scales->x0, scales->xScale);
  ChartPicture shown = emptyLike(progress);
  const std::vector<ChartLine>& axes = progress.lineSets[kProgressAxesSet];
  shown.lineSets[kProgressAxesSet] = axes;
  clipAlongX(progress.lineSets[kProgressSet], view, plot.left, plot.right,
             shown.lineSets[kProgressSet]);
  const ChartLabel& origin = progress.labels[kProgressOriginLabel];
  shown.labels.push_back(originLabel(origin, plot));
  const double step = progressGridStep(plot.last - plot.first, scales->xScale * view.scaleX);
  if (axis.clockText) {
    addClockGrid(shown, axes[kProgressVerticalAxis], origin, plot, view, step, *scales,
                 axis.clockText);
    return shown;
  }
  addGrid(shown, shown.lineSets[kProgressGridSet], axes[kProgressVerticalAxis], origin, plot, view,
          step, scales->duration, [](double days) { return formatDuration(days, false); });
  thinCrowdedLabels(shown);
  return shown;
}

}  // namespace vianora
