#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_scales.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/route_map.h"
#include "core/store/percorso.h"
#include "core/util/number_format.h"

namespace vianora {

/// Map tiles are squares of this many pixels, numbered x from the west and y from the north
/// (the XYZ scheme): zoom z has 2^z by 2^z of them.
inline constexpr int kTileSize = 256;
/// The latitudes Web Mercator reaches: the world is a square.
inline constexpr double kMercatorMaxLatitude = 85.05112877980659;
/// The zoom levels a tile server may offer.
inline constexpr int kLowestTileZoom = 0;
inline constexpr int kHighestTileZoom = 22;

/// A place in the Web Mercator world as fractions of its side from the north-west corner:
/// x from 0 (180 degrees west) to 1 (180 east), y from 0 (85.0511 north) to 1 (85.0511 south).
struct WorldPlace {
  double x = 0, y = 0;
  friend bool operator==(const WorldPlace&, const WorldPlace&) = default;
};

/// The place of a latitude and longitude; latitudes beyond kMercatorMaxLatitude are taken as
/// it, longitudes are brought within -180..180 first (so 190 is -170).
WorldPlace worldPlace(double latitude, double longitude);

struct LatLon {
  double latitude = 0, longitude = 0;
};
/// The latitude and longitude of a place (x taken modulo 1).
LatLon latLonOf(WorldPlace place);

/// One tile of one zoom level.
struct TileId {
  int zoom = 0, x = 0, y = 0;
  friend bool operator==(const TileId&, const TileId&) = default;
};

/// Metres on the ground one pixel spans at a latitude and zoom level (the equator's
/// 40,075,016.686 m over 256 * 2^zoom pixels, times the cosine of the latitude).
double groundMetresPerPixel(double latitude, double zoom);

/// What a map over tiles shows: the world at an integer zoom, `centre` at the surface's centre.
struct MercatorView {
  int zoom = 0;
  WorldPlace centre;
  friend bool operator==(const MercatorView&, const MercatorView&) = default;
};

/// A surface measured in pixels (tiles are drawn one pixel a pixel).
struct PixelSize {
  double width = 0, height = 0;
};

/// The view of the whole trip: centred on the middle of the box from `northWest` to
/// `southEast`, at the highest zoom within minZoom..maxZoom at which that box fits into the
/// surface less `marginPixels` on every side (minZoom when it fits at none).
MercatorView fittingView(WorldPlace northWest, WorldPlace southEast, PixelSize surface,
                         double marginPixels, int minZoom, int maxZoom);

/// Where a place is drawn on the surface (pixels from its top left), and the place drawn at a
/// pixel; x is taken in the copy of the world nearest the view's centre.
struct SurfacePixel {
  double x = 0, y = 0;
};
SurfacePixel pixelOf(const MercatorView& view, WorldPlace place, PixelSize surface);
WorldPlace placeAt(const MercatorView& view, SurfacePixel pixel, PixelSize surface);

/// The view zoomed by `levels` (positive in) around a surface pixel, whose place stays under
/// it; the zoom is kept within minZoom..maxZoom.
MercatorView mercatorZoomedAround(const MercatorView& view, int levels, SurfacePixel anchor,
                                  PixelSize surface, int minZoom, int maxZoom);
/// The view moved so that what was under (x, y) is now under (x + dx, y + dy); the centre's
/// y is kept within the world, its x wraps.
MercatorView mercatorPanned(const MercatorView& view, double dx, double dy);

/// The tiles covering the surface, each with the pixel where its top left corner is drawn,
/// nearest the centre first. Columns wrap around the antimeridian (x modulo 2^zoom); rows
/// beyond the world's north and south edges are left out.
struct PlacedTile {
  TileId tile;
  double left = 0, top = 0;
  friend bool operator==(const PlacedTile&, const PlacedTile&) = default;
};
std::vector<PlacedTile> tilesForView(const MercatorView& view, PixelSize surface);

/// The route over a view: one segment per pair of consecutive points in kSegmentsSet (segment
/// i - 1 ends at point i, as on the plain map, so ColoraGraficoCartina recolours it), in
/// twips (pixels times twipsPerPixel), coloured as the map's colouring says; segments wholly
/// outside the surface are kept but hidden. `places` are the points' world places.
ChartPicture mercatorRoute(const std::vector<WorldPlace>& places, const Percorso& trip,
                           const TripStatistics& stats, const MercatorView& view, PixelSize surface,
                           double twipsPerPixel, MapColouring colouring);

/// The segments of the route a view shows, for painting: its colours copied segment for
/// segment from a map of the trip already coloured (the plain map), which spares working
/// them out again at every move of the view; only the segments not wholly off the surface,
/// in point order. Empty when that map has not one segment per pair of points.
ChartPicture mercatorRouteColouredAs(const std::vector<WorldPlace>& places,
                                     const ChartPicture& colouredMap, const MercatorView& view,
                                     PixelSize surface, double twipsPerPixel);

/// The world places of a trip's points.
std::vector<WorldPlace> worldPlacesOf(const Percorso& trip);

/// The overlay of a map over tiles: a ground scale bar at the bottom left (true distance on the
/// ground at the view's centre, its caption saying so: "500 m on the ground"), the colour
/// legend as on the plain map, and the source's attribution at the bottom right on a white
/// ground, the legend standing above it. All in twips.
ChartPicture mercatorScaleAndLegend(const MercatorView& view, PixelSize surface,
                                    double twipsPerPixel, const TripStatistics& stats,
                                    MapColouring colouring, std::string_view attribution,
                                    const Separators& separators, const TextMetrics& text = {});

}  // namespace vianora
