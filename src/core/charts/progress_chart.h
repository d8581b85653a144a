#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/clock_axis.h"
#include "core/store/percorso.h"

namespace vianora {

// The line sets of the "Distance" surface, in painting order.

/// The frame: element kProgressHorizontalAxis is lnPercX (zero distance, its right end is the
/// plot's right edge), element kProgressVerticalAxis is element 0 of lnPercY (time zero, its
/// top end is the plot's top). Both are always there.
inline constexpr std::size_t kProgressAxesSet = 0;
inline constexpr std::size_t kProgressHorizontalAxis = 0;
inline constexpr std::size_t kProgressVerticalAxis = 1;
/// The dotted time grid lines (added elements of lnPercY), left to right. Grid line k stands
/// over labels[k + 1].
inline constexpr std::size_t kProgressGridSet = 1;
/// The segments of the progress curve (lnPerc), in point order: one per pair of consecutive
/// points whose altitudes are both other than exactly 0.
inline constexpr std::size_t kProgressSet = 2;
inline constexpr std::size_t kProgressSetCount = 3;

/// labels[0] is always the origin label "0"; the time tick labels follow it.
inline constexpr std::size_t kProgressOriginLabel = 0;

/// The time grid step: 30 minutes, in days.
inline constexpr double kProgressGridStep = 30.0 / 60 / 24;
/// A tick label stands this far right of its grid line, twips.
inline constexpr float kProgressTickOffset = 20.0f;
/// Pen width of the curve's segments.
inline constexpr std::uint8_t kProgressSegmentWidth = 2;
/// The surface's default line colour, taken by the axes, the grid and the curve.
inline constexpr Rgb kProgressLineColour = rgb(0, 0, 0);
/// Grid lines closer than this would merge into a grey band: the step widens instead.
inline constexpr double kProgressMinGridSpacing = 100.0;
/// Never more grid lines than this, whatever the surface's width.
inline constexpr std::size_t kProgressMaxGridLines = 10'000;
/// Coordinates are kept within this many twips of the origin, far beyond any surface, so that
/// points without a time stay representable; what the surface shows does not change.
inline constexpr double kProgressFarTwips = 1.0e7;

/// The time grid step, in days, for a trip lasting durationDays drawn at twipsPerDay: 30
/// minutes while the lines stand at least kProgressMinGridSpacing twips apart; otherwise the
/// first of 1, 2, 3, 6 and 12 hours, then 1, 2, 4... days, that keeps them so (and keeps at
/// most kProgressMaxGridLines lines). 0 when the time axis cannot hold a grid (no width, or a
/// scale or duration that is not finite).
double progressGridStep(double durationDays, double twipsPerDay);

/// Where the Distance chart puts a point: x = x0 + (time - t0) * xScale, y = base - distance *
/// yScale.
struct ProgressPlot {
  double x0 = 0;        ///< x of the vertical axis (time t0), twips
  double t0 = 0;        ///< the start point's date-time, day number
  double xScale = 0;    ///< twips per day
  double base = 0;      ///< y of the horizontal axis (distance 0), twips
  double yScale = 0;    ///< twips per kilometre
  double duration = 0;  ///< end minus start, days
};

/// The scales of the Distance chart drawn from the profile's axes; none for a trip without a
/// counting distance (the frame alone). Equal start and end times read the plot as one day.
std::optional<ProgressPlot> progressPlotFor(const TripStatistics& stats,
                                            const ProfileAxes& profileAxes);

/// Draws the "Distance" surface: the distance travelled so far (rising from the horizontal
/// axis to the plot's top at the trip's total distance) against the time elapsed since the
/// start point (stats.startDay, at the vertical axis; the end point's stats.endDay at the
/// right edge), with a dotted grid line and an "hh:mm" tick label of the elapsed hours and
/// minutes every grid step.
///
/// The frame (both axes and the origin label's position) is copied from the Profile surface's
/// axes as the profile drawing left them. Every pair of consecutive points whose altitudes are
/// both other than exactly 0 gives one segment, in point order and not sorted by time, points
/// before the start point included. When start and end have the same time the plot is read as
/// one day wide (so equal times draw a vertical line on the vertical axis) and there is no
/// grid. A trip without a counting distance shows the frame alone: no curve and no grid.
///
/// On a time-of-day axis (axis.clockText) the grid lines stand, with the same step, where the
/// clock shows a multiple of it, their labels captioned by captionClockLabels.
ChartPicture AggiornaGraficoPercorrenza(const Percorso& trip, const TripStatistics& stats,
                                        const ProfileAxes& profileAxes, SurfaceSize surface,
                                        const ProgressTimeAxis& axis = {});

}  // namespace vianora
