#include "core/charts/progress_chart.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/analysis/distanza.h"
#include "core/charts/label_spacing.h"
#include "core/util/time_format.h"

namespace vianora {

namespace {

/// Pen width of the frame and the grid lines, pixels.
constexpr std::uint8_t kFrameWidth = 1;
/// The grid steps up to a day, in half hours (30 minutes, 1, 2, 3, 6 and 12 hours); from a
/// day on the step doubles.
constexpr int kHalfHourSteps[] = {1, 2, 4, 6, 12, 24};
constexpr int kHalfHoursPerDay = 48;

using Scales = ProgressPlot;

ChartLine frameLine(const ChartLine& from) {
  return ChartLine{from.x1, from.y1, from.x2, from.y2, kProgressLineColour, kFrameWidth};
}

// Clips a segment to the square of side 2 * kProgressFarTwips around the origin (Liang and
// Barsky); false when it lies wholly outside.
bool clipToFarSquare(double& x1, double& y1, double& x2, double& y2) {
  const double f = kProgressFarTwips;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + f, f - x1, y1 + f, f - y1};
  double enter = 0.0;
  double leave = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      enter = std::max(enter, r);
    else
      leave = std::min(leave, r);
  }
  if (enter > leave) return false;
  const double ax = x1;
  const double ay = y1;
  x1 = ax + enter * dx;
  y1 = ay + enter * dy;
  x2 = ax + leave * dx;
  y2 = ay + leave * dy;
  return true;
}

// A segment with an end far off the surface (a point without a time): only its part near the
// surface is kept. One that cannot be placed at all is kept hidden, so the curve keeps one
// line per segment.
[[gnu::noinline]] ChartLine farSegment(double x1, double y1, double x2, double y2) {
  const bool finite =
      std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
  if (!finite || !clipToFarSquare(x1, y1, x2, y2)) {
    return ChartLine{0,    0, 0, 0, kProgressLineColour, kProgressSegmentWidth, LineStyle::Solid,
                     false};
  }
  const double f = kProgressFarTwips;
  return ChartLine{static_cast<float>(std::clamp(x1, -f, f)),
                   static_cast<float>(std::clamp(y1, -f, f)),
                   static_cast<float>(std::clamp(x2, -f, f)),
                   static_cast<float>(std::clamp(y2, -f, f)),
                   kProgressLineColour,
                   kProgressSegmentWidth,
                   LineStyle::Solid,
                   true};
}

ChartLine segment(double x1, double y1, double x2, double y2) {
  const double f = kProgressFarTwips;
  if (std::abs(x1) <= f && std::abs(y1) <= f && std::abs(x2) <= f && std::abs(y2) <= f) {
    return ChartLine{static_cast<float>(x1), static_cast<float>(y1),
                     static_cast<float>(x2), static_cast<float>(y2),
                     kProgressLineColour,    kProgressSegmentWidth,
                     LineStyle::Solid,       true};
  }
  return farSegment(x1, y1, x2, y2);
}

// The curve: every counting pair, in point order, from the height the last drawn one reached.
std::vector<ChartLine> curveOf(const std::vector<Punto>& points, const Scales& s) {
  std::vector<ChartLine> curve;
  if (points.size() < 2) return curve;
  curve.reserve(points.size() - 1);
  double cum = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Punto& p = points[i - 1];
    const Punto& q = points[i];
    if (p.Altitudine == 0 || q.Altitudine == 0) continue;
    const double d = Distanza(q, p);
    curve.push_back(segment(s.x0 + (p.DataOra - s.t0) * s.xScale, s.base - cum * s.yScale,
                            s.x0 + (q.DataOra - s.t0) * s.xScale, s.base - (cum + d) * s.yScale));
    cum += d;
  }
  return curve;
}

// The time grid: a dotted line spanning the vertical axis and an "hh:mm" label of the elapsed
// hours and minutes (past 24 hours too: "28:00") at every step of elapsed time not beyond the
// duration; the time grows by repeated addition.
void addTimeGrid(ChartPicture& picture, const Scales& s, double duration) {
  const double step = progressGridStep(duration, s.xScale);
  if (step <= 0 || !(duration >= step)) return;
  const ChartLine& axis = picture.lineSets[kProgressAxesSet][kProgressVerticalAxis];
  const float top = picture.labels[kProgressOriginLabel].top;
  std::vector<ChartLine>& grid = picture.lineSets[kProgressGridSet];
  const double lines = std::min(duration / step, static_cast<double>(kProgressMaxGridLines));
  grid.reserve(static_cast<std::size_t>(lines) + 1);  // and one for the sums' rounding
  picture.labels.reserve(grid.capacity() + 1);
  for (double t = step; t <= duration; t += step) {
    const float x = static_cast<float>(s.x0 + t * s.xScale);
    ChartLine line = frameLine(axis);
    line.x1 = line.x2 = x;
    line.style = LineStyle::Dot;
    grid.push_back(line);
    picture.labels.push_back(ChartLabel{x + kProgressTickOffset, top, formatDuration(t, false)});
  }
}

// The time-of-day grid: a dotted line and a label wherever the clock shows a multiple of the
// step within the trip's time.
void addClockGrid(ChartPicture& picture, const Scales& s, const ClockText& text) {
  const double step = progressGridStep(s.duration, s.xScale);
  const std::vector<double> times = clockGridTimes(s.t0, 0, s.duration, step);
  const ChartLine& axis = picture.lineSets[kProgressAxesSet][kProgressVerticalAxis];
  const float top = picture.labels[kProgressOriginLabel].top;
  const std::size_t first = picture.labels.size();
  std::vector<double> days;
  days.reserve(times.size());
  for (const double t : times) {
    const float x = static_cast<float>(s.x0 + t * s.xScale);
    ChartLine line = frameLine(axis);
    line.x1 = line.x2 = x;
    line.style = LineStyle::Dot;
    picture.lineSets[kProgressGridSet].push_back(line);
    picture.labels.push_back(ChartLabel{x + kProgressTickOffset, top, {}});
    days.push_back(s.t0 + t);
  }
  captionClockLabels(picture, first, days, s.t0, text);
}

}  // namespace

double progressGridStep(double durationDays, double twipsPerDay) {
  const double spacing = std::abs(twipsPerDay);
  if (!std::isfinite(durationDays) || !std::isfinite(spacing) || spacing == 0) return 0.0;
  const double widest = std::max(durationDays, 0.0) / static_cast<double>(kProgressMaxGridLines);
  const double least = std::max({kProgressGridStep, kProgressMinGridSpacing / spacing, widest});
  for (const int halfHours : kHalfHourSteps) {
    const double step = halfHours * kProgressGridStep;
    if (step >= least) return step;
  }
  double step = kHalfHoursPerDay * kProgressGridStep;
  while (step < least) step *= 2;
  return step;
}

std::optional<ProgressPlot> progressPlotFor(const TripStatistics& stats,
                                            const ProfileAxes& profileAxes) {
  const double distance = stats.DistanzaTotale;
  if (!(distance > 0)) return std::nullopt;
  const ChartLine& lnPercX = profileAxes.lineX;
  const ChartLine& axisY = profileAxes.lineY;
  ProgressPlot s;
  s.x0 = axisY.x1;
  s.t0 = stats.startDay;
  s.duration = stats.endDay - stats.startDay;
  const double width = static_cast<double>(lnPercX.x2) - s.x0;
  s.xScale = s.duration == 0 ? width : width / s.duration;  // equal times: the plot is one day
  s.yScale = (static_cast<double>(lnPercX.y1) - axisY.y1) / distance;
  s.base = lnPercX.y2;
  return s;
}

ChartPicture AggiornaGraficoPercorrenza(const Percorso& trip, const TripStatistics& stats,
                                        const ProfileAxes& profileAxes, SurfaceSize surface,
                                        const ProgressTimeAxis& axis) {
  ChartPicture picture;
  picture.width = surface.width;
  picture.height = surface.height;
  picture.lineSets.resize(kProgressSetCount);
  const ChartLine lnPercX = frameLine(profileAxes.lineX);
  const ChartLine axisY = frameLine(profileAxes.lineY);
  picture.lineSets[kProgressAxesSet] = {lnPercX, axisY};
  picture.labels.push_back(ChartLabel{profileAxes.origin.left, profileAxes.origin.top, "0"});

  const std::optional<ProgressPlot> s = progressPlotFor(stats, profileAxes);
  if (!s) return picture;  // nothing to scale the distance by: the frame alone
  picture.lineSets[kProgressSet] = curveOf(trip.Punti, *s);
  if (axis.clockText) {
    addClockGrid(picture, *s, axis.clockText);
    return picture;
  }
  addTimeGrid(picture, *s, s->duration);
  thinCrowdedLabels(picture);
  return picture;
}

}  // namespace vianora
