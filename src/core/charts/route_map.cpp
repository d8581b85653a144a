#include "core/charts/route_map.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/analysis/distanza.h"
#include "core/charts/colour_ramps.h"
#include "core/util/minimo.h"

namespace vianora {

namespace {

/// Twips per degree that fit a span into a usable extent; none for an empty span, which
/// would divide by zero (or, for a reversed span, flip the map).
std::optional<double> fittingScale(double usable, double span) {
  if (!(span > 0)) return std::nullopt;
  return usable / span;
}

/// The placement from the position extremes, or none when the map cannot be scaled: the
/// extremes are not points of the trip, they span neither latitude nor longitude, the
/// surface has no room inside its margins, or the span is too small to scale finitely.
std::optional<MapPlacement> placementFor(const std::vector<Punto>& points,
                                         const TripStatistics& stats, SurfaceSize surface) {
  const std::size_t highest =
      std::max({stats.IdxLatMax, stats.IdxLatMin, stats.IdxLonMax, stats.IdxLonMin});
  if (highest >= points.size()) return std::nullopt;
  const double north = points[stats.IdxLatMax].Latitudine;
  const double west = points[stats.IdxLonMin].Longitudine;
  const double usableHeight = static_cast<double>(surface.height) - 2 * kMapMargin;
  const double usableWidth = static_cast<double>(surface.width) - 2 * kMapMargin;
  const std::optional<double> sy =
      fittingScale(usableHeight, north - points[stats.IdxLatMin].Latitudine);
  const std::optional<double> sx =
      fittingScale(usableWidth, points[stats.IdxLonMax].Longitudine - west);
  const std::optional<double> s = Minimo(sy, sx);
  if (!s || !(*s > 0) || !std::isfinite(*s)) return std::nullopt;
  return MapPlacement{north, west, *s};
}

float mapX(const MapPlacement& at, const Punto& p) {
  return static_cast<float>((p.Longitudine - at.westLongitude) * at.scale + kMapMargin);
}

float mapY(const MapPlacement& at, const Punto& p) {
  return static_cast<float>((at.northLatitude - p.Latitudine) * at.scale + kMapMargin);
}

/// One segment per pair of consecutive points; each point is placed once and shared by the
/// two segments that meet there.
std::vector<ChartLine> segmentsOf(const std::vector<Punto>& points, const MapPlacement& at) {
  std::vector<ChartLine> segments;
  if (points.size() < 2) return segments;
  segments.reserve(points.size() - 1);
  float x1 = mapX(at, points[0]);
  float y1 = mapY(at, points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) {
    ChartLine line;
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x1 = mapX(at, points[i]);
    line.y2 = y1 = mapY(at, points[i]);
    line.width = kMapLineWidth;
    segments.push_back(line);
  }
  return segments;
}

/// A segment's own speed in km per day; 0 when its points have the same date-time.
double segmentSpeed(const Punto& a, const Punto& b) {
  const double dt = b.DataOra - a.DataOra;
  if (dt == 0) return 0.0;
  return Distanza(b, a) / dt;
}

}  // namespace

std::optional<MapPlacement> mapPlacementFor(const Percorso& trip, const TripStatistics& stats,
                                            SurfaceSize surface) {
  return placementFor(trip.Punti, stats, surface);
}

ChartPicture AggiornaGraficoCartina(const Percorso& trip, const TripStatistics& stats,
                                    SurfaceSize surface, MapColouring colouring) {
  ChartPicture picture;
  picture.width = surface.width;
  picture.height = surface.height;
  picture.lineSets.resize(kSegmentsSet + 1);
  if (const std::optional<MapPlacement> at = mapPlacementFor(trip, stats, surface)) {
    picture.lineSets[kSegmentsSet] = segmentsOf(trip.Punti, *at);
  }
  ColoraGraficoCartina(picture, trip, stats, colouring);
  return picture;
}

void ColoraGraficoCartina(ChartPicture& picture, const Percorso& trip, const TripStatistics& stats,
                          MapColouring colouring) {
  const std::vector<Punto>& points = trip.Punti;
  if (picture.lineSets.size() <= kSegmentsSet) return;
  std::vector<ChartLine>& segments = picture.lineSets[kSegmentsSet];
  if (segments.empty() || segments.size() + 1 != points.size()) return;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Punto& a = points[i - 1];
    const Punto& b = points[i];
    segments[segmentEndingAt(i)].colour =
        colouring == MapColouring::Altitude
            ? ColoreAltitudine(b.Altitudine, stats.AltitudineMin, stats.AltitudineMax)
            : ColoreVelocita(segmentSpeed(a, b), stats.VelocitaMax);
  }
}

}  // namespace vianora
