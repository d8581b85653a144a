#pragma once

#include <string>
#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/route_map.h"
#include "core/store/percorso.h"
#include "core/util/number_format.h"

namespace vianora {

/// The sizes of the window's text, in twips, so that overlays leave room for their captions.
/// The defaults are the 8-point font of the charts' tick labels.
struct TextMetrics {
  float charWidth = 100.0f;   ///< the width of the widest digit
  float lineHeight = 225.0f;  ///< the height of one line of text
};

/// The value scales of the Profile surface, drawn over the chart: an altitude scale (metres)
/// along the vertical axis, ticks and labels inside the plot on a white ground, and a speed
/// scale (km/h) along the plot's right end (layoutAxes.lineX.x2, where the total distance is
/// drawn), ticks and labels outside it; each only while its curve is shown, each with round
/// ticks over the range its curve is drawn in and a unit caption ("m", "km/h") at its top.
/// Empty when the profile has no plot.
ChartPicture profileScales(const ProfileAxes& layoutAxes, const TripStatistics& stats,
                           SurfaceSize surface, bool altitudeShown, bool speedShown,
                           std::string_view decimalSeparator, const TextMetrics& text = {});

/// The distance scale of the "Distance" surface (km, 0 at the horizontal axis up to the total
/// distance at the plot's top) along its vertical axis, drawn as the profile's altitude scale,
/// with the caption "km". Empty for a trip without a counting distance.
ChartPicture progressScales(const ProfileAxes& profileAxes, const TripStatistics& stats,
                            SurfaceSize surface, std::string_view decimalSeparator,
                            const TextMetrics& text = {});

/// The map's overlay: a scale bar at the bottom left with a round length (1, 2 or 5 x 10^n
/// km, at most a quarter of the surface's width, captioned in metres under 1 km: "500 m",
/// "2 km") measured as the statistics measure distance (one degree is sqrt(8000) km on both
/// axes) at twipsPerDegree (the placement's scale times the view's zoom); a colour legend at
/// the bottom right showing the ramp in use from its low end to its high end with their values
/// and unit ("m" for Altitude from AltitudineMin to AltitudineMax, "km/h" for Speed from 0 to
/// the top speed), numbers as the statistics boxes show them. Empty when the map has no scale.
ChartPicture mapScaleAndLegend(double twipsPerDegree, const TripStatistics& stats,
                               SurfaceSize surface, MapColouring colouring,
                               const Separators& separators, const TextMetrics& text = {});

/// The start and end markers of the map at the places (twips) where the first and the last
/// point of the trip are drawn: a green disc at the start, a red one at the end.
void addTripMarkers(ChartPicture& overlay, float startX, float startY, float endX, float endY);

/// The round length of a scale bar, km: the longest 1, 2 or 5 x 10^n km that is at most
/// maxTwips long at twipsPerKm; 0 when none fits a finite scale.
double scaleBarKm(double twipsPerKm, double maxTwips);

/// A scale bar's caption: metres under 1 km ("500 m", "0.5 m"), else km ("2 km").
std::string scaleBarCaption(double km, std::string_view decimalSeparator);

}  // namespace vianora
