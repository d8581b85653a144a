#include "core/charts/profile_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/analysis/distanza.h"
#include "core/charts/colour_ramps.h"
#include "core/charts/grid_step.h"
#include "core/charts/label_spacing.h"
#include "core/util/number_format.h"

namespace vianora {

namespace {

constexpr std::uint8_t kSegmentWidth = 2;  // pen width of the profiles' segments, pixels
constexpr float kLabelGap = 20.0f;         // twips between a grid line and its label
/// Twips per metre when every altitude is the same: any scale draws them on the baseline.
constexpr double kFlatAltitudeScale = 1.0;
/// The most grid lines room is reserved for up front, far more than a grid has (a few dozen
/// lines, a few hundred under 1 km); a larger grid grows as it is drawn.
constexpr double kReservedGridLines = 4096.0;

using Plot = ProfilePlot;

// Shapes hold single precision; far-off values stay far off instead of overflowing.
float twips(double value) {
  constexpr double limit = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -limit, limit));
}

bool drawn(const Punto& p, const Punto& q) { return p.Altitudine != 0 && q.Altitudine != 0; }

std::size_t countDrawnSegments(const std::vector<Punto>& points) {
  std::size_t count = 0;
  for (std::size_t i = 1; i < points.size(); ++i) count += drawn(points[i - 1], points[i]);
  return count;
}

ChartLine segment(float x1, double y1, float x2, double y2, Rgb colour, bool visible) {
  return ChartLine{x1, twips(y1), x2, twips(y2), colour, kSegmentWidth, LineStyle::Solid, visible};
}

// One altitude and one speed segment per pair of points that both have an altitude.
void drawProfiles(const std::vector<Punto>& points, const Plot& plot, ProfileDrawing& drawing,
                  bool altitudeVisible, bool speedVisible) {
  std::vector<ChartLine>& altitude = drawing.picture.lineSets[ProfileDrawing::kAltitudeSet];
  std::vector<ChartLine>& speed = drawing.picture.lineSets[ProfileDrawing::kSpeedSet];
  const std::size_t count = countDrawnSegments(points);
  altitude.reserve(count);
  speed.reserve(count);
  double cum = 0;
  double vPrev = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Punto& p = points[i - 1];
    const Punto& q = points[i];
    if (!drawn(p, q)) continue;
    const double d = Distanza(q, p);
    const float x1 = twips(plot.x0 + cum * plot.xScale);
    const float x2 = twips(plot.x0 + (cum + d) * plot.xScale);
    altitude.push_back(segment(x1, plot.base - (p.Altitudine - plot.amin) * plot.altScale, x2,
                               plot.base - (q.Altitudine - plot.amin) * plot.altScale,
                               ColoreAltitudine(q.Altitudine, plot.amin, plot.amax),
                               altitudeVisible));
    const double dt = q.DataOra - p.DataOra;
    const double v = dt == 0 ? 0 : d / dt;
    speed.push_back(segment(x1, plot.base - vPrev * plot.speedScale, x2,
                            plot.base - v * plot.speedScale, ColoreVelocita(v, plot.vmax),
                            speedVisible));
    vPrev = v;
    cum += d;
  }
}

// Grid lines are dotted copies of the vertical axis, one step apart from one step past the
// origin to the first multiple at or past D; x grows by repeated addition. Captions show the
// multiple of the step itself: the sums' rounding (0.750000000000001 for 0.75) does not show.
void drawGrid(double total, const Plot& plot, ProfileDrawing& drawing,
              std::string_view decimalSeparator) {
  const double step = gridStep(total);
  if (step == 0) return;
  std::vector<ChartLine>& grid = drawing.picture.lineSets[ProfileDrawing::kGridSet];
  std::vector<ChartLabel>& labels = drawing.picture.labels;
  // The lines up to the total, the one past it and one for the sums' rounding.
  const double expected = std::min(total / step + 2, kReservedGridLines);
  grid.reserve(static_cast<std::size_t>(expected));
  labels.reserve(labels.size() + static_cast<std::size_t>(expected));
  double multiple = 1;  // the caption is the exact multiple of the step, free of the sums' error
  for (double x = step; x <= total + step && std::isfinite(x); x += step, multiple += 1) {
    ChartLine line = drawing.axes.lineY;
    line.x1 = line.x2 = twips(plot.x0 + x * plot.xScale);
    line.style = LineStyle::Dot;
    line.visible = true;
    grid.push_back(line);
    ChartLabel label = drawing.axes.origin;
    label.left = line.x1 + kLabelGap;
    label.caption = generalNumberText(multiple * step, decimalSeparator);
    label.visible = true;
    labels.push_back(std::move(label));
  }
  if (!grid.empty()) drawing.axes.lineX.x2 = grid.back().x2;
}

}  // namespace

std::optional<ProfilePlot> profilePlotFor(const ProfileAxes& axes, const TripStatistics& s) {
  const double total = s.DistanzaTotale;
  if (!(total > 0) || !std::isfinite(total)) return std::nullopt;
  Plot plot;
  plot.x0 = axes.lineY.x1;
  plot.xScale = (axes.lineX.x2 - plot.x0) / total;
  if (!std::isfinite(plot.xScale)) return std::nullopt;
  const double height = axes.lineX.y1 - axes.lineY.y1;
  const double range = s.AltitudineMax - s.AltitudineMin;
  plot.altScale = range == 0 ? kFlatAltitudeScale : height / range;
  plot.speedScale = s.VelocitaMax == 0 ? height : height / s.VelocitaMax;
  plot.base = axes.lineX.y2;
  plot.amin = s.AltitudineMin;
  plot.amax = s.AltitudineMax;
  plot.vmax = s.VelocitaMax;
  return plot;
}

ProfileDrawing AggiornaGrafici(const Percorso& trip, const TripStatistics& stats,
                               const ProfileAxes& layoutAxes, SurfaceSize surface,
                               bool altitudeChecked, bool speedChecked,
                               std::string_view decimalSeparator) {
  ProfileDrawing drawing;
  drawing.axes = layoutAxes;
  drawing.picture.width = surface.width;
  drawing.picture.height = surface.height;
  drawing.picture.lineSets.resize(ProfileDrawing::kSetCount);
  drawing.picture.labels.push_back(layoutAxes.origin);
  if (const std::optional<Plot> plot = profilePlotFor(layoutAxes, stats)) {
    drawProfiles(trip.Punti, *plot, drawing, altitudeChecked, speedChecked);
    drawGrid(stats.DistanzaTotale, *plot, drawing, decimalSeparator);
  }
  drawing.picture.lineSets[ProfileDrawing::kAxesSet] = {drawing.axes.lineX, drawing.axes.lineY};
  thinCrowdedLabels(drawing.picture);
  return drawing;
}

void setSegmentsVisible(ChartPicture& picture, std::size_t set, bool visible) {
  if (set >= picture.lineSets.size()) return;
  for (ChartLine& line : picture.lineSets[set]) line.visible = visible;
}

}  // namespace vianora
