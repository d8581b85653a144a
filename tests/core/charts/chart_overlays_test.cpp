// The overlays' glue: which point the mouse picks through a view, and where the cursor shows.
#include "core/charts/chart_overlays.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/charts/profile_chart.h"

namespace vianora {
namespace {

constexpr double kDay0 = 39756.5;
constexpr double kMinute = 1.0 / 1440;
constexpr SurfaceSize kSurface{6000, 3000};

// Three points 0.01 degree apart along a meridian: the middle one halfway along the profile.
// The plot spans x 120 (the vertical axis) to 4845 (6000 less the check box column).
struct ThreePoints {
  explicit ThreePoints(double middleTime) {
    trip.Punti = {
        {45.00, 7, 100, kDay0}, {45.01, 7, 200, middleTime}, {45.02, 7, 150, kDay0 + 20 * kMinute}};
    stats = computeTripStatistics(trip);
    points = TripPointLookup(trip, stats);
    charted.trip = &trip;
    charted.stats = &stats;
    charted.layoutAxes = profileAxesForSurface(kSurface);
    charted.drawnAxes =
        AggiornaGrafici(trip, stats, charted.layoutAxes, kSurface, true, true, ".").axes;
    charted.points = &points;
  }
  // The centre height of the cursor's ring, if the overlay has one.
  static std::optional<float> ringAt(const ChartPicture& overlay) {
    for (const ChartBox& b : overlay.boxes)
      if (!b.filled) return b.top + b.height / 2;
    return std::nullopt;
  }
  bool reads(const ChartPicture& overlay, const char* text) const {
    return std::any_of(overlay.labels.begin(), overlay.labels.end(),
                       [&](const ChartLabel& l) { return l.caption == text; });
  }
  Percorso trip;
  TripStatistics stats;
  TripPointLookup points;
  ChartedTripView charted;
};

TEST(ChartOverlays, TheMousePicksThePointTheViewShowsThere) {
  const ThreePoints t(kDay0 + 10 * kMinute);
  const ChartView zoomed{2, 1, -120, 0};  // picture x shows at 2x - 120: the middle at 4845
  const std::tuple<ChartView, double, std::optional<std::size_t>> rows[] = {
      {{}, 120, 0},      {{}, 2482, 1},   {{}, 4845, 2}, {{}, 119, std::nullopt},
      {zoomed, 4845, 1}, {zoomed, 120, 0}};
  for (const auto& [view, x, point] : rows) {
    EXPECT_EQ(profilePointAt(t.charted, view, x), point) << x;
    EXPECT_EQ(progressPointAt(t.charted, view, x), point) << x;  // evenly timed: the same points
  }
}

TEST(ChartOverlays, TheCursorShowsOnlyWhereItsChartDrawsThePoint) {
  const ThreePoints timed(kDay0 + 10 * kMinute), untimed(0);
  EXPECT_TRUE(timed.reads(profileOverlay(timed.charted, kSurface, {}, true, true, 1), "Point 2"));
  EXPECT_TRUE(timed.reads(progressOverlay(timed.charted, kSurface, {}, 1), "Point 2"));
  EXPECT_TRUE(
      untimed.reads(profileOverlay(untimed.charted, kSurface, {}, true, true, 1), "Point 2"));
  EXPECT_FALSE(untimed.reads(progressOverlay(untimed.charted, kSurface, {}, 1), "Point 2"));
  // The ring sits on the curve: the highest altitude and the whole distance at the plot's top
  // (y 30); none on a hidden altitude curve.
  EXPECT_EQ(ThreePoints::ringAt(profileOverlay(timed.charted, kSurface, {}, true, true, 1)), 30.0f);
  EXPECT_EQ(ThreePoints::ringAt(profileOverlay(timed.charted, kSurface, {}, false, true, 1)),
            std::nullopt);
  EXPECT_EQ(ThreePoints::ringAt(progressOverlay(timed.charted, kSurface, {}, 2)), 30.0f);
  // Zoomed past the point, the profile shows no cursor.
  EXPECT_FALSE(timed.reads(profileOverlay(timed.charted, kSurface, {2, 1, -3000, 0}, true, true, 0),
                           "Point 1"));
}

TEST(ChartOverlays, AMarkedStretchIsABandOverTheProfileAndAWideLineAlongTheMap) {
  ThreePoints t(kDay0 + 10 * kMinute);
  // The pairs run 0.9 km (sqrt(0.8 + 0.1^2), rising 100 m) and sqrt(0.8 + 0.05^2) km: point 1
  // stands at 120 + 4725 * 0.9 / 1.795824 = 2487.994. A stretch of one point is widened to 30
  // twips around it, and cut at the plot's start for the first point.
  const std::tuple<TripStretch, float, float> rows[] = {
      {{1, 2, 0.9}, 2487.994f, 2357.006f}, {{1, 1, 0.9}, 2472.994f, 30}, {{0, 0, 0}, 120, 15}};
  for (const auto& [stretch, left, width] : rows) {
    t.charted.stretch = stretch;
    const ChartBox band = profileOverlay(t.charted, kSurface, {}, true, true, {}).boxes.front();
    EXPECT_EQ(band.fillAlpha, kStretchBandAlpha);
    EXPECT_NEAR(band.left, left, 0.01) << stretch.firstPoint << stretch.lastPoint;
    EXPECT_NEAR(band.width, width, 0.01) << stretch.firstPoint << stretch.lastPoint;
    EXPECT_EQ(band.top, 30.0f);
  }
  t.charted.stretch = TripStretch{2, 5, 2.2};  // past the trip's end: no band
  EXPECT_NE(profileOverlay(t.charted, kSurface, {}, true, true, {}).boxes.front().fillAlpha,
            kStretchBandAlpha);
  // On the map the line runs over the second segment, from point 1 to point 2.
  const ChartPicture map = AggiornaGraficoCartina(t.trip, t.stats, kSurface, MapColouring::Speed);
  const MapPointLookup places(map);
  t.charted.mapPoints = &places;
  t.charted.mapTwipsPerDegree = 1;
  t.charted.stretch = TripStretch{1, 2, 0.9};
  const std::vector<ChartLine> route =
      mapOverlay(t.charted, kSurface, {}, MapColouring::Speed, {}).lineSets.front();
  const ChartLine& second = map.lineSets[kSegmentsSet][1];
  ASSERT_EQ(route.size(), 1u);
  EXPECT_EQ(std::tuple(route[0].x1, route[0].y1, route[0].x2, route[0].y2, route[0].width),
            std::tuple(second.x1, second.y1, second.x2, second.y2, kStretchLineWidth));
}

}  // namespace
}  // namespace vianora
