#include "core/charts/web_mercator.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace vianora {

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;
constexpr double kEquatorMetres = 40075016.686;

/// Pixels across the whole world at a zoom level.
double worldSide(double zoom) { return kTileSize * std::exp2(zoom); }

/// x brought into 0..1: the same meridian in the first copy of the world.
double wrapped(double x) { return x - std::floor(x); }

/// A difference of x between two places taken the short way round, -0.5..0.5.
double shortWay(double dx) { return dx - std::round(dx); }

double clampedLatitude(double latitude) {
  return std::clamp(latitude, -kMercatorMaxLatitude, kMercatorMaxLatitude);
}

/// The centre's y kept within the world: the map never shows more beyond a pole than half
/// the surface.
MercatorView withinWorld(MercatorView view) {
  view.centre.x = wrapped(view.centre.x);
  view.centre.y = std::clamp(view.centre.y, 0.0, 1.0);
  return view;
}

/// Where places are drawn on a surface, in twips: x in the copy of the world nearest the
/// view's centre.
struct SurfaceTwips {
  SurfaceTwips(const MercatorView& view, PixelSize surface, double twipsPerPixel)
      : centre(view.centre),
        twipsPerWorld(worldSide(view.zoom) * twipsPerPixel),
        middleX(surface.width / 2 * twipsPerPixel),
        middleY(surface.height / 2 * twipsPerPixel) {}
  double x(WorldPlace place) const {
    return middleX + shortWay(place.x - centre.x) * twipsPerWorld;
  }
  double y(WorldPlace place) const { return middleY + (place.y - centre.y) * twipsPerWorld; }

  WorldPlace centre;
  double twipsPerWorld, middleX, middleY;
};

/// A segment whose bounding box lies wholly outside the surface shows nothing of itself.
bool whollyOutside(const ChartLine& line, float width, float height) {
  return std::max(line.x1, line.x2) < 0 || std::min(line.x1, line.x2) > width ||
         std::max(line.y1, line.y2) < 0 || std::min(line.y1, line.y2) > height;
}

}  // namespace

WorldPlace worldPlace(double latitude, double longitude) {
  if (longitude < -180 || longitude > 180) longitude = wrapped((longitude + 180) / 360) * 360 - 180;
  const double phi = clampedLatitude(latitude) / kDegrees;
  // ln(tan(phi) + 1 / cos(phi)) is asinh(tan(phi)), which keeps its precision near the poles.
  return {(longitude + 180) / 360, (1 - std::asinh(std::tan(phi)) / std::numbers::pi) / 2};
}

LatLon latLonOf(WorldPlace place) {
  const double latitude = std::atan(std::sinh(std::numbers::pi * (1 - 2 * place.y))) * kDegrees;
  return {latitude, wrapped(place.x) * 360 - 180};
}

double groundMetresPerPixel(double latitude, double zoom) {
  return kEquatorMetres * std::cos(latitude / kDegrees) / worldSide(zoom);
}

MercatorView fittingView(WorldPlace northWest, WorldPlace southEast, PixelSize surface,
                         double marginPixels, int minZoom, int maxZoom) {
  // A box whose east edge lies west of its west edge goes across the antimeridian; one from
  // 180 west to 180 east is the whole world wide, not empty.
  const double eastward = southEast.x - northWest.x;
  const double width = eastward < 0 ? wrapped(eastward) : eastward;
  const double height = southEast.y - northWest.y;
  const WorldPlace centre{wrapped(northWest.x + width / 2), (northWest.y + southEast.y) / 2};
  const double usableWidth = surface.width - 2 * marginPixels;
  const double usableHeight = surface.height - 2 * marginPixels;
  if (usableWidth >= 0 && usableHeight >= 0) {
    for (int zoom = maxZoom; zoom >= minZoom; --zoom) {
      const double side = worldSide(zoom);
      if (width * side <= usableWidth && height * side <= usableHeight) return {zoom, centre};
    }
  }
  return {minZoom, centre};
}

SurfacePixel pixelOf(const MercatorView& view, WorldPlace place, PixelSize surface) {
  const double side = worldSide(view.zoom);
  return {surface.width / 2 + shortWay(place.x - view.centre.x) * side,
          surface.height / 2 + (place.y - view.centre.y) * side};
}

WorldPlace placeAt(const MercatorView& view, SurfacePixel pixel, PixelSize surface) {
  const double side = worldSide(view.zoom);
  return {wrapped(view.centre.x + (pixel.x - surface.width / 2) / side),
          view.centre.y + (pixel.y - surface.height / 2) / side};
}

MercatorView mercatorZoomedAround(const MercatorView& view, int levels, SurfacePixel anchor,
                                  PixelSize surface, int minZoom, int maxZoom) {
  const int zoom = std::clamp(view.zoom + levels, minZoom, maxZoom);
  if (zoom == view.zoom) return view;
  // The anchor's place, in the copy of the world the centre is in, stays under the anchor.
  const double fromCentreX = anchor.x - surface.width / 2;
  const double fromCentreY = anchor.y - surface.height / 2;
  const double oldSide = worldSide(view.zoom), newSide = worldSide(zoom);
  const WorldPlace anchored{view.centre.x + fromCentreX / oldSide,
                            view.centre.y + fromCentreY / oldSide};
  return withinWorld(
      {zoom, {anchored.x - fromCentreX / newSide, anchored.y - fromCentreY / newSide}});
}

MercatorView mercatorPanned(const MercatorView& view, double dx, double dy) {
  const double side = worldSide(view.zoom);
  return withinWorld({view.zoom, {view.centre.x - dx / side, view.centre.y - dy / side}});
}

std::vector<PlacedTile> tilesForView(const MercatorView& view, PixelSize surface) {
  std::vector<PlacedTile> tiles;
  if (!(surface.width > 0) || !(surface.height > 0)) return tiles;
  if (view.zoom < kLowestTileZoom || view.zoom > kHighestTileZoom) return tiles;
  const int tilesAcross = 1 << view.zoom;
  // The centre, and the surface's top left corner, in pixels from the world's north-west.
  const double centreX = view.centre.x * worldSide(view.zoom);
  const double centreY = view.centre.y * worldSide(view.zoom);
  const double left = centreX - surface.width / 2, top = centreY - surface.height / 2;
  const auto firstColumn = static_cast<long long>(std::floor(left / kTileSize));
  const auto endColumn = static_cast<long long>(std::ceil((left + surface.width) / kTileSize));
  const auto firstRow = std::max(0LL, static_cast<long long>(std::floor(top / kTileSize)));
  const auto endRow = std::min<long long>(
      tilesAcross, static_cast<long long>(std::ceil((top + surface.height) / kTileSize)));
  for (long long row = firstRow; row < endRow; ++row) {
    for (long long column = firstColumn; column < endColumn; ++column) {
      const auto x = static_cast<int>((column % tilesAcross + tilesAcross) % tilesAcross);
      tiles.push_back({{view.zoom, x, static_cast<int>(row)},
                       static_cast<double>(column * kTileSize) - left,
                       static_cast<double>(row * kTileSize) - top});
    }
  }
  // Rows, then columns west to east, were pushed in order: a stable sort keeps it among ties.
  const auto distance = [&](const PlacedTile& tile) {
    const double dx = tile.left + left + kTileSize / 2.0 - centreX;
    const double dy = tile.top + top + kTileSize / 2.0 - centreY;
    return dx * dx + dy * dy;
  };
  std::stable_sort(tiles.begin(), tiles.end(), [&](const PlacedTile& a, const PlacedTile& b) {
    return distance(a) < distance(b);
  });
  return tiles;
}

std::vector<WorldPlace> worldPlacesOf(const Percorso& trip) {
  std::vector<WorldPlace> places;
  places.reserve(trip.Punti.size());
  for (const Punto& point : trip.Punti) {
    places.push_back(worldPlace(point.Latitudine, point.Longitudine));
  }
  return places;
}

namespace {

// Walks the route's segments over a view: `take(i, line)` gets the uncoloured segment ending
// at point i, hidden when it lies wholly off the surface.
template <typename Take>
void walkRoute(const std::vector<WorldPlace>& places, const MercatorView& view, PixelSize surface,
               double twipsPerPixel, float width, float height, Take take) {
  if (places.size() < 2) return;
  const SurfaceTwips at{view, surface, twipsPerPixel};
  double x = at.x(places[0]);
  double y = at.y(places[0]);
  for (std::size_t i = 1; i < places.size(); ++i) {
    // The segment's end is taken the short way round from its start, so a segment across
    // the antimeridian is drawn across it rather than across the whole world.
    const double endX = x + shortWay(places[i].x - places[i - 1].x) * at.twipsPerWorld;
    const double endY = at.y(places[i]);
    ChartLine line{static_cast<float>(x),
                   static_cast<float>(y),
                   static_cast<float>(endX),
                   static_cast<float>(endY),
                   0,
                   kMapLineWidth};
    line.visible = !whollyOutside(line, width, height);
    take(i, line);
    x = at.x(places[i]);
    y = endY;
  }
}

ChartPicture emptyRoute(PixelSize surface, double twipsPerPixel) {
  ChartPicture picture;
  picture.width = static_cast<float>(surface.width * twipsPerPixel);
  picture.height = static_cast<float>(surface.height * twipsPerPixel);
  picture.lineSets.resize(kSegmentsSet + 1);
  return picture;
}

}  // namespace

ChartPicture mercatorRoute(const std::vector<WorldPlace>& places, const Percorso& trip,
                           const TripStatistics& stats, const MercatorView& view, PixelSize surface,
                           double twipsPerPixel, MapColouring colouring) {
  ChartPicture picture = emptyRoute(surface, twipsPerPixel);
  if (places.size() != trip.Punti.size() || places.size() < 2) return picture;
  std::vector<ChartLine>& segments = picture.lineSets[kSegmentsSet];
  segments.resize(places.size() - 1);
  walkRoute(places, view, surface, twipsPerPixel, picture.width, picture.height,
            [&](std::size_t i, const ChartLine& line) { segments[segmentEndingAt(i)] = line; });
  ColoraGraficoCartina(picture, trip, stats, colouring);
  return picture;
}

ChartPicture mercatorRouteColouredAs(const std::vector<WorldPlace>& places,
                                     const ChartPicture& colouredMap, const MercatorView& view,
                                     PixelSize surface, double twipsPerPixel) {
  ChartPicture picture = emptyRoute(surface, twipsPerPixel);
  const bool matches = colouredMap.lineSets.size() > kSegmentsSet &&
                       colouredMap.lineSets[kSegmentsSet].size() + 1 == places.size();
  if (!matches) return picture;
  const std::vector<ChartLine>& coloured = colouredMap.lineSets[kSegmentsSet];
  std::vector<ChartLine>& segments = picture.lineSets[kSegmentsSet];
  walkRoute(places, view, surface, twipsPerPixel, picture.width, picture.height,
            [&](std::size_t i, ChartLine line) {
              if (!line.visible) return;
              line.colour = coloured[segmentEndingAt(i)].colour;
              segments.push_back(line);
            });
  return picture;
}

}  // namespace vianora
