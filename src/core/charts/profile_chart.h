#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"
#include "core/store/percorso.h"

namespace vianora {

/// The "Profile" surface after a drawing: the picture, and the axes as the drawing leaves them
/// (LineX ending at the last grid line), which the progress chart copies.
struct ProfileDrawing {
  // Line sets of the picture, in painting order.
  static constexpr std::size_t kAxesSet = 0;      ///< LineX, then element 0 of LineY
  static constexpr std::size_t kGridSet = 1;      ///< dotted distance grid lines, left to right
  static constexpr std::size_t kAltitudeSet = 2;  ///< lnTrack: one segment per drawn step
  static constexpr std::size_t kSpeedSet = 3;     ///< lnVel: one segment per drawn step
  static constexpr std::size_t kSetCount = 4;

  // Lines of kAxesSet.
  static constexpr std::size_t kLineX = 0;
  static constexpr std::size_t kLineY = 1;

  /// Label 0 is the origin label "0"; label k (from 1) stands under grid line k - 1.
  static constexpr std::size_t kOriginLabel = 0;

  ChartPicture picture;
  ProfileAxes axes;
};

/// Where the profile puts a point: x = x0 + distance * xScale, altitude a at
/// y = base - (a - amin) * altScale, speed v (km per day) at y = base - v * speedScale.
struct ProfilePlot {
  double x0 = 0;          ///< x of the origin (the vertical axis), twips
  double xScale = 0;      ///< twips per km
  double base = 0;        ///< y of the baseline, twips
  double altScale = 0;    ///< twips per metre
  double speedScale = 0;  ///< twips per km per day
  double amin = 0, amax = 0, vmax = 0;  ///< the altitude range and the top speed (km per day)
};

/// The scales a profile drawn on layoutAxes uses; none when the total distance gives no
/// usable horizontal scale (D = 0 above all), when the profile is only the axes.
std::optional<ProfilePlot> profilePlotFor(const ProfileAxes& layoutAxes,
                                          const TripStatistics& stats);

/// Draws the altitude and speed profiles of a trip against the distance travelled, with a
/// dotted grid line and a distance label (in km, general text with the given decimal
/// separator) every gridStep(D) km, on a surface whose axes the layout step placed.
///
/// The plot spans layoutAxes: x from the vertical axis to the end of LineX over the total
/// distance D, y from the top of the vertical axis to LineX over the altitude range and over
/// 0..VelocitaMax. Pairs with a zero altitude at either end are left out, and the distance runs
/// on without them; each speed segment starts at the previous drawn one's speed (the first on
/// the baseline). Segments start visible as the check boxes say. LineX then ends at the last
/// grid line; the plot is always measured from layoutAxes, so drawings do not widen it.
///
/// When D is 0 (or too small to scale) the picture holds only the axes and the origin label.
ProfileDrawing AggiornaGrafici(const Percorso& trip, const TripStatistics& stats,
                               const ProfileAxes& layoutAxes, SurfaceSize surface,
                               bool altitudeChecked, bool speedChecked,
                               std::string_view decimalSeparator);

/// Shows or hides every line of one set of the picture (the check boxes use it with
/// kAltitudeSet and kSpeedSet); nothing else changes. A set the picture lacks is ignored.
void setSegmentsVisible(ChartPicture& picture, std::size_t set, bool visible);

}  // namespace vianora
