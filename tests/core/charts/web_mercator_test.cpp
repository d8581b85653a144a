#include "core/charts/web_mercator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vianora {
namespace {

/// Tile zoom/x/y with its top left corner at (left, top).
PlacedTile tile(int zoom, int x, int y, double left, double top) {
  return {{zoom, x, y}, left, top};
}

TEST(WebMercator, PlacesPointsAndTilesOnTheSquareWorldAroundTheAntimeridian) {
  // Milan: x = 189.19 / 360 = 0.5255278, 1024x = 538.14; tan(0.7935 rad) = 1.016336,
  // 1 / cos = 1.425812, ln(2.442148) = 0.892878, y = (1 - 0.892878 / pi) / 2 = 0.3578940,
  // 1024y = 366.48: tile 10/538/366. Beyond +-85.0511 clamped; x modulo 1; 190 is -170.
  const struct {
    double latitude, longitude, x, y;
  } rows[] = {{0, 0, 0.5, 0.5},         {45.4642, 9.19, 0.5255278, 0.3578940},
              {85.05112878, 0, 0.5, 0}, {-85.05112878, 0, 0.5, 1},
              {89, -90, 0.25, 0},       {-90, 90, 0.75, 1},
              {0, 180, 0, 0.5},         {0, -180, 0, 0.5},
              {0, 190, 0.0277778, 0.5}};
  for (const auto& row : rows) {
    const WorldPlace place = worldPlace(row.latitude, row.longitude);
    EXPECT_NEAR(place.x - std::floor(place.x), row.x, 1e-7) << row.longitude;
    EXPECT_NEAR(place.y, row.y, 1e-7) << row.latitude;
  }
  EXPECT_NEAR(latLonOf({1.75, 0}).latitude, kMercatorMaxLatitude, 1e-9);
  EXPECT_NEAR(latLonOf({1.75, 0}).longitude, 90, 1e-9);  // x modulo 1: 270 from 180 west
  // 40075016.686 / 256 = 156543.034 m a pixel at zoom 0, half that at 60 degrees.
  EXPECT_NEAR(groundMetresPerPixel(0, 0), 156543.034, 1e-3);
  EXPECT_NEAR(groundMetresPerPixel(60, 0), 78271.517, 1e-3);
  EXPECT_EQ(tilesForView({10, worldPlace(45.4642, 9.19)}, {1, 1}).at(0).tile,
            (TileId{10, 538, 366}));
  using Tiles = std::vector<PlacedTile>;
  // Tiles, nearest the centre first: a surface wider than the world shows its copies too.
  EXPECT_EQ(tilesForView({0, {0.5, 0.5}}, {512, 256}),
            (Tiles{tile(0, 0, 0, 128, 0), tile(0, 0, 0, -128, 0), tile(0, 0, 0, 384, 0)}));
  // Centre 1023 of 1024 pixels across: columns 3 and 0 either side of the antimeridian,
  // column 3 one pixel nearer the centre; rows 1 and 2 tie.
  EXPECT_EQ(tilesForView({2, {1023.0 / 1024, 0.5}}, {256, 256}),
            (Tiles{tile(2, 3, 1, -127, -128), tile(2, 3, 2, -127, 128), tile(2, 0, 1, 129, -128),
                   tile(2, 0, 2, 129, 128)}));
  // Taller than the world: the rows beyond it are left out; four tiles tie: row by row, west first.
  EXPECT_EQ(tilesForView({1, {0.5, 0.5}}, {256, 1024}),
            (Tiles{tile(1, 0, 0, -128, 256), tile(1, 1, 0, 128, 256), tile(1, 0, 1, -128, 512),
                   tile(1, 1, 1, 128, 512)}));
}

TEST(WebMercator, FitsZoomsAndPansTheView) {
  // A box 100 x 50 pixels at zoom 10 (of 262144 a world) in 260 x 160 usable pixels: 200 x 100
  // at zoom 11 fits, 400 x 200 at 12 does not; across the antimeridian the same.
  const double px10 = 1.0 / 262144;
  const PixelSize surface{300, 200};
  EXPECT_EQ(fittingView({0.5, 0.5}, {0.5 + 100 * px10, 0.5 + 50 * px10}, surface, 20, 0, 22),
            (MercatorView{11, {0.5 + 50 * px10, 0.5 + 25 * px10}}));
  EXPECT_EQ(fittingView({1 - 50 * px10, 0.5}, {50 * px10, 0.5 + 50 * px10}, surface, 20, 0, 22),
            (MercatorView{11, {0, 0.5 + 25 * px10}}));
  EXPECT_EQ(fittingView({0.5, 0.5}, {0.5, 0.5}, surface, 20, 0, 10).zoom, 10);
  EXPECT_EQ(fittingView({0, 0.5}, {1, 0.5}, surface, 20, 2, 22).zoom, 2);  // the world: none
  // The world's north-west corner at the top left of a 256-pixel surface stays there.
  EXPECT_EQ(mercatorZoomedAround({0, {0.5, 0.5}}, 1, {0, 0}, {256, 256}, 0, 22),
            (MercatorView{1, {0.25, 0.25}}));
  EXPECT_EQ(mercatorZoomedAround({0, {0.5, 0.5}}, 30, {0, 0}, {256, 256}, 0, 3).zoom, 3);
  const MercatorView view{3, {0.3, 0.6}};
  const MercatorView in = mercatorZoomedAround(view, 2, {100, 50}, {400, 300}, 0, 22);
  EXPECT_EQ(mercatorZoomedAround(in, -2, {100, 50}, {400, 300}, 0, 22), view);
  // 128 pixels east at zoom 1 is a quarter world: x 0.125 wraps to 0.875; y stops at the edge.
  EXPECT_EQ(mercatorPanned({1, {0.125, 0.5}}, 128, -1000), (MercatorView{1, {0.875, 1}}));
  EXPECT_EQ(placeAt({1, {0.875, 1}}, {384, 0}, {256, 256}), (WorldPlace{0.375, 0.75}));
}

TEST(WebMercator, RouteGoesTheShortWayRoundAndTheOverlayMeasuresTheGround) {
  // Along the equator x 0.5, 0.75, 31/32 (168.75 E), 1/32 (168.75 W), 0.5 at zoom 1 (512
  // pixels a world), centre y 0.375, 15 twips a pixel: y 128 + 0.125 * 512 = 192 px, 2880 twips.
  Percorso trip;
  trip.Punti = {{0, 0, 150}, {0, 90, 100}, {0, 168.75, 200}, {0, -168.75, 100}, {0, 0, 200}};
  const TripStatistics stats{.AltitudineMax = 200, .AltitudineMin = 100};
  const MercatorView view{1, {0.5, 0.375}};
  const ChartPicture route =
      mercatorRoute(worldPlacesOf(trip), trip, stats, view, {256, 256}, 15, MapColouring::Altitude);
  const Rgb green = rgb(0, 255, 0), blue = rgb(0, 0, 255);
  EXPECT_EQ(route.lineSets.at(kSegmentsSet),
            (std::vector<ChartLine>{{1920, 2880, 3840, 2880, green, 2},
                                    {3840, 2880, 5520, 2880, blue, 2},  // touches the edge
                                    {5520, 2880, 6000, 2880, green, 2, LineStyle::Solid, false},
                                    {-1680, 2880, 1920, 2880, blue, 2}}));
  EXPECT_TRUE(mercatorRoute({}, trip, stats, view, {256, 256}, 15, {}).lineSets[0].empty());
  // For painting: the colours of a coloured map, the hidden segment left out.
  ChartPicture coloured = route;
  for (ChartLine& line : coloured.lineSets[kSegmentsSet]) line.colour = rgb(1, 2, 3);
  const auto painted =
      mercatorRouteColouredAs(worldPlacesOf(trip), coloured, view, {256, 256}, 15).lineSets[0];
  EXPECT_EQ(painted.size(), 3u);
  EXPECT_EQ(painted.at(2), (ChartLine{-1680, 2880, 1920, 2880, rgb(1, 2, 3), 2}));
  // 152.874 m a pixel at the equator at zoom 10, 10.1916 m a twip: 98.12 twips a km; a
  // quarter of 12000 twips holds 30.6 km, so 20 km, 1962.4 twips. At 60 degrees: 10 km.
  const ChartPicture equator =
      mercatorScaleAndLegend({10, {0.5, 0.5}}, {800, 600}, 15, stats, {}, "© OSM", {});
  const ChartPicture north =
      mercatorScaleAndLegend({10, worldPlace(60, 0)}, {800, 600}, 15, stats, {}, "", {});
  EXPECT_EQ((std::pair{equator.labels.at(0).caption, north.labels.at(0).caption}),
            (std::pair<std::string, std::string>{"20 km on the ground", "10 km on the ground"}));
  EXPECT_NEAR(equator.lineSets.at(0).at(0).x2, 200 + 1962.4, 0.01);
  // Five characters of 100 twips in the corner, ground 20 beyond; the legend (435 high) 200
  // above the attribution's ground, or above the surface's edge without one.
  EXPECT_EQ(equator.labels.at(1), (ChartLabel{11480, 8775, "© OSM"}));
  EXPECT_EQ(equator.boxes.at(1), (ChartBox{11460, 8775, 540, 225, rgb(255, 255, 255), true, 0, 0}));
  EXPECT_EQ((std::pair{equator.boxes.back().top, north.boxes.back().top}),
            (std::pair{8775.0f - 200 - 435, 9000.0f - 200 - 435}));
}

}  // namespace
}  // namespace vianora
