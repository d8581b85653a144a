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

}  // namespace
}  // namespace vianora
