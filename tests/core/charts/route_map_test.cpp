#include "core/charts/route_map.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/analysis/trip_statistics.h"
#include "core/charts/colour_ramps.h"

namespace vianora {
namespace {

constexpr Rgb kGreen = rgb(0, 255, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr float kTolerance = 0.01f;  // twips; spans like 0.1 degree are not exact in binary

Punto point(double lat, double lon, double alt = 100.0, double day = 45000.0) {
  return Punto{lat, lon, alt, day};
}

Percorso tripOf(std::vector<Punto> points) {
  Percorso trip;
  trip.Nome = "Trip";
  trip.Punti = std::move(points);
  return trip;
}

/// Statistics whose position extremes are the given points, as the statistics would leave them.
TripStatistics extremes(std::size_t latMax, std::size_t latMin, std::size_t lonMax,
                        std::size_t lonMin) {
  TripStatistics stats;
  stats.IdxLatMax = latMax;
  stats.IdxLatMin = latMin;
  stats.IdxLonMax = lonMax;
  stats.IdxLonMin = lonMin;
  return stats;
}

const std::vector<ChartLine>& segmentsOf(const ChartPicture& picture) {
  return picture.lineSets.at(kSegmentsSet);
}

void expectSegment(const ChartLine& line, float x1, float y1, float x2, float y2) {
  EXPECT_NEAR(line.x1, x1, kTolerance);
  EXPECT_NEAR(line.y1, y1, kTolerance);
  EXPECT_NEAR(line.x2, x2, kTolerance);
  EXPECT_NEAR(line.y2, y2, kTolerance);
}

// A track running north-east over 0.1 degree of latitude and 0.2 of longitude.
Percorso northEastTrack() {
  return tripOf({point(45.0, 7.0), point(45.05, 7.1), point(45.1, 7.2)});
}

TEST(RouteMap, FillsTheUsableExtentAtFiftyThousandTwipsPerDegree) {
  const ChartPicture map = AggiornaGraficoCartina(northEastTrack(), extremes(2, 0, 2, 0),
                                                  {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  expectSegment(segmentsOf(map)[0], 200, 5200, 5200, 2700);
  expectSegment(segmentsOf(map)[1], 5200, 2700, 10200, 200);
}

TEST(RouteMap, UsesTheTighterScaleForBothAxesAndLeavesTheSpareRoomAtTheBottom) {
  const ChartPicture map = AggiornaGraficoCartina(northEastTrack(), extremes(2, 0, 2, 0),
                                                  {10400, 8400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  expectSegment(segmentsOf(map)[0], 200, 5200, 5200, 2700);
  expectSegment(segmentsOf(map)[1], 5200, 2700, 10200, 200);
  EXPECT_NEAR(8400 - segmentsOf(map)[0].y1 - 200, 3000, kTolerance);
}

TEST(RouteMap, LeavesTheSpareRoomAtTheRightWhenLatitudeIsTighter) {
  const ChartPicture map = AggiornaGraficoCartina(northEastTrack(), extremes(2, 0, 2, 0),
                                                  {14400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  EXPECT_NEAR(segmentsOf(map)[1].x2, 10200, kTolerance);
  EXPECT_NEAR(segmentsOf(map)[1].y2, 200, kTolerance);
}

TEST(RouteMap, PicturesTheWholeSurfaceWithOneSetOfSolidSegmentsOfWidthTwoAndNoLabels) {
  const ChartPicture map = AggiornaGraficoCartina(northEastTrack(), extremes(2, 0, 2, 0),
                                                  {10400, 5400}, MapColouring::Altitude);
  EXPECT_EQ(map.width, 10400.0f);
  EXPECT_EQ(map.height, 5400.0f);
  EXPECT_EQ(map.lineSets.size(), 1u);
  EXPECT_TRUE(map.labels.empty());
  for (const ChartLine& line : segmentsOf(map)) {
    EXPECT_EQ(line.width, 2);
    EXPECT_EQ(line.style, LineStyle::Solid);
    EXPECT_TRUE(line.visible);
  }
}

TEST(RouteMap, DrawsTheSegmentEndingAtEachPointAndColoursItByThatPointsAltitude) {
  const Percorso trip =
      tripOf({point(45.0, 7.0, 250), point(45.01, 7.02, 200), point(45.03, 7.01, 300)});
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture map =
      AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  const ChartLine& first = segmentsOf(map)[segmentEndingAt(1)];
  const ChartLine& second = segmentsOf(map)[segmentEndingAt(2)];
  EXPECT_EQ(first.colour, kGreen);
  EXPECT_EQ(second.colour, kBlue);
  EXPECT_EQ(first.x2, second.x1);
  EXPECT_EQ(first.y2, second.y1);
  EXPECT_LT(second.y2, first.y2);  // point 2 lies further north: higher up
}

// Steps of 1/128 degree and time steps of a half and a quarter day are exact in binary, so the
// first segment's speed is exactly half the second's.
Percorso halfThenFullSpeed() {
  return tripOf({point(45.0, 7.0, 100, 45000.0), point(45.0078125, 7.0078125, 100, 45000.5),
                 point(45.015625, 7.015625, 100, 45000.75)});
}

TEST(RouteMap, ColoursEachSegmentByItsOwnSpeedInSpeedMode) {
  const Percorso trip = halfThenFullSpeed();
  const ChartPicture map =
      AggiornaGraficoCartina(trip, computeTripStatistics(trip), {10400, 5400}, MapColouring::Speed);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  EXPECT_EQ(segmentsOf(map)[0].colour, rgb(128, 0, 0));  // 127.5 rounds to even
  EXPECT_EQ(segmentsOf(map)[1].colour, kRed);
}

TEST(RouteMap, ColoursASegmentWithoutElapsedTimeBlackAndOneAboveTheMaximumPureRed) {
  const Percorso trip = tripOf({point(45.0, 7.0, 100, 45000.0), point(45.01, 7.01, 100, 45000.0),
                                point(45.02, 7.02, 100, 45000.1),
                                point(45.5, 7.5, 100, 45000.1001)});  // far too fast to count
  const TripStatistics stats = computeTripStatistics(trip);
  ASSERT_GT(stats.VelocitaMax, 0.0);
  const ChartPicture map = AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Speed);
  ASSERT_EQ(segmentsOf(map).size(), 3u);
  EXPECT_EQ(segmentsOf(map)[0].colour, kBlack);
  EXPECT_EQ(segmentsOf(map)[1].colour, kRed);
  EXPECT_EQ(segmentsOf(map)[2].colour, kRed);
}

TEST(RouteMap, ColoursEverySegmentPureGreenWhenAllCountingAltitudesAreEqual) {
  const Percorso trip =
      tripOf({point(45.0, 7.0, 500), point(45.01, 7.02, 500), point(45.03, 7.01, 500)});
  const ChartPicture map = AggiornaGraficoCartina(trip, computeTripStatistics(trip), {10400, 5400},
                                                  MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  for (const ChartLine& line : segmentsOf(map)) EXPECT_EQ(line.colour, kGreen);
}

TEST(RouteMap, DrawsBothPairsAroundAPointWithoutAltitudeAndKeepsTheNumbering) {
  const Percorso trip =
      tripOf({point(45.0, 7.0, 100), point(45.01, 7.01, 100), point(45.02, 7.02, 0),
              point(45.03, 7.03, 200), point(45.04, 7.04, 300)});
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture map =
      AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 4u);
  const std::vector<ChartLine>& lines = segmentsOf(map);
  for (std::size_t k = 1; k < lines.size(); ++k) {
    EXPECT_EQ(lines[k].x1, lines[k - 1].x2);
    EXPECT_EQ(lines[k].y1, lines[k - 1].y2);
  }
  // The point without altitude lies below the trip's range: the ramp keeps to its green end.
  EXPECT_EQ(lines[segmentEndingAt(2)].colour, kGreen);
  EXPECT_EQ(lines[segmentEndingAt(4)].colour, kBlue);
}

TEST(RouteMap, AnchorsTheCountingPointsAtTheMarginsAndLetsOtherPointsFallBeyondThem) {
  // Point 1 has no altitude, so points 0 and 1 are no counting points: they lie north-west of
  // the extremes.
  const Percorso trip =
      tripOf({point(45.2, 6.9), point(45.15, 6.95, 0), point(45.1, 7.0), point(45.0, 7.2)});
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture map =
      AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 3u);
  const ChartLine& first = segmentsOf(map)[1];
  EXPECT_NEAR(first.x2, 200, kTolerance);  // the westernmost counting point
  EXPECT_NEAR(first.y2, 200, kTolerance);  // the northernmost counting point
  EXPECT_LT(first.x1, 0.0f);
  EXPECT_LT(first.y1, 0.0f);
}

TEST(RouteMap, UsesTheLongitudeScaleForATrackAlongAParallel) {
  const Percorso trip = tripOf({point(45.0, 7.0), point(45.0, 7.1), point(45.0, 7.2)});
  const ChartPicture map =
      AggiornaGraficoCartina(trip, extremes(0, 0, 2, 0), {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 2u);
  expectSegment(segmentsOf(map)[0], 200, 200, 5200, 200);
  expectSegment(segmentsOf(map)[1], 5200, 200, 10200, 200);
}

TEST(RouteMap, UsesTheLatitudeScaleForATrackAlongAMeridian) {
  const Percorso trip = tripOf({point(45.1, 7.0), point(45.0, 7.0)});
  const ChartPicture map =
      AggiornaGraficoCartina(trip, extremes(0, 1, 0, 0), {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 1u);
  expectSegment(segmentsOf(map)[0], 200, 200, 200, 5200);
}

TEST(RouteMap, DrawsNothingWhenTheExtremesSpanNeitherLatitudeNorLongitude) {
  const Percorso trip = tripOf({point(45.0, 7.0), point(45.0, 7.0), point(45.1, 7.1)});
  const ChartPicture map =
      AggiornaGraficoCartina(trip, extremes(1, 1, 1, 1), {10400, 5400}, MapColouring::Speed);
  ASSERT_EQ(map.lineSets.size(), 1u);
  EXPECT_TRUE(segmentsOf(map).empty());
}

TEST(RouteMap, DrawsNothingForATripWithoutACountingPair) {
  const Percorso trip = tripOf({point(45.0, 7.0, 0), point(45.1, 7.1, 0), point(45.2, 7.3, 0)});
  const TripStatistics stats = computeTripStatistics(trip);
  EXPECT_TRUE(segmentsOf(AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Altitude))
                  .empty());
  EXPECT_TRUE(
      segmentsOf(AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Speed)).empty());
}

TEST(RouteMap, DrawsNothingWhenTheExtremesAreNotPointsOfTheTrip) {
  const Percorso trip = northEastTrack();
  const ChartPicture map =
      AggiornaGraficoCartina(trip, extremes(7, 0, 2, 0), {10400, 5400}, MapColouring::Altitude);
  EXPECT_TRUE(segmentsOf(map).empty());
}

TEST(RouteMap, DrawsNothingForASinglePointOrNoPointAtAll) {
  const TripStatistics stats;
  EXPECT_TRUE(segmentsOf(AggiornaGraficoCartina(tripOf({point(45, 7)}), stats, {10400, 5400},
                                                MapColouring::Altitude))
                  .empty());
  EXPECT_TRUE(
      segmentsOf(AggiornaGraficoCartina(tripOf({}), stats, {10400, 5400}, MapColouring::Speed))
          .empty());
}

TEST(RouteMap, DrawsNothingOnASurfaceWithNoRoomInsideItsMargins) {
  const ChartPicture map = AggiornaGraficoCartina(northEastTrack(), extremes(2, 0, 2, 0),
                                                  {300, 5400}, MapColouring::Altitude);
  EXPECT_TRUE(segmentsOf(map).empty());
}

TEST(RouteMap, DrawsMoreSegmentsThanASixteenBitCounterHolds) {
  std::vector<Punto> points;
  for (int i = 0; i < 40'000; ++i) points.push_back(point(45.0 + i * 1e-5, 7.0 + i * 2e-5));
  const Percorso trip = tripOf(std::move(points));
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture map =
      AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Altitude);
  ASSERT_EQ(segmentsOf(map).size(), 39'999u);
  EXPECT_NEAR(segmentsOf(map).back().x2, 10200, 0.1f);
  EXPECT_NEAR(segmentsOf(map).back().y2, 200, 0.1f);
}

TEST(RouteMap, GivesTheSamePictureWhenDrawnTwice) {
  const Percorso trip = halfThenFullSpeed();
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture once = AggiornaGraficoCartina(trip, stats, {9000, 6000}, MapColouring::Speed);
  const ChartPicture twice = AggiornaGraficoCartina(trip, stats, {9000, 6000}, MapColouring::Speed);
  ASSERT_EQ(segmentsOf(once).size(), segmentsOf(twice).size());
  for (std::size_t k = 0; k < segmentsOf(once).size(); ++k) {
    const ChartLine& a = segmentsOf(once)[k];
    const ChartLine& b = segmentsOf(twice)[k];
    EXPECT_EQ(a.x1, b.x1);
    EXPECT_EQ(a.y1, b.y1);
    EXPECT_EQ(a.x2, b.x2);
    EXPECT_EQ(a.y2, b.y2);
    EXPECT_EQ(a.colour, b.colour);
  }
}

TEST(RouteMapColouring, RecoloursBySpeedThenAltitudeWithoutMovingAnySegment) {
  const Percorso trip = tripOf({point(45.0, 7.0, 250, 45000.0), point(45.01, 7.02, 200, 45000.1),
                                point(45.03, 7.01, 300, 45000.3)});
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture drawn =
      AggiornaGraficoCartina(trip, stats, {10400, 5400}, MapColouring::Altitude);
  ChartPicture map = drawn;
  ColoraGraficoCartina(map, trip, stats, MapColouring::Speed);
  EXPECT_EQ(segmentsOf(map)[0].colour, kRed);  // the faster segment
  EXPECT_EQ(segmentsOf(drawn)[0].colour, kGreen);
  ColoraGraficoCartina(map, trip, stats, MapColouring::Altitude);
  for (std::size_t k = 0; k < segmentsOf(map).size(); ++k) {
    const ChartLine& now = segmentsOf(map)[k];
    const ChartLine& before = segmentsOf(drawn)[k];
    EXPECT_EQ(now.colour, before.colour);
    EXPECT_EQ(now.x1, before.x1);
    EXPECT_EQ(now.y1, before.y1);
    EXPECT_EQ(now.x2, before.x2);
    EXPECT_EQ(now.y2, before.y2);
  }
}

TEST(RouteMapColouring, LeavesAPictureWithoutAMapUnchanged) {
  const Percorso trip = northEastTrack();
  const TripStatistics stats = extremes(2, 0, 2, 0);
  ChartPicture blank;
  ColoraGraficoCartina(blank, trip, stats, MapColouring::Speed);
  EXPECT_TRUE(blank.lineSets.empty());

  ChartPicture empty =
      AggiornaGraficoCartina(trip, extremes(0, 0, 0, 0), {10400, 5400}, MapColouring::Altitude);
  ColoraGraficoCartina(empty, trip, stats, MapColouring::Speed);
  EXPECT_TRUE(segmentsOf(empty).empty());
}

TEST(RouteMapColouring, LeavesTheMapOfATripOfAnotherSizeUnchanged) {
  const Percorso trip = northEastTrack();
  ChartPicture map =
      AggiornaGraficoCartina(trip, extremes(2, 0, 2, 0), {10400, 5400}, MapColouring::Altitude);
  const Rgb before = segmentsOf(map)[0].colour;
  const Percorso longer = tripOf({point(45, 7, 1, 1), point(45.1, 7.1, 9, 1.1),
                                  point(45.2, 7.2, 1, 1.2), point(45.3, 7.3, 9, 1.3)});
  ColoraGraficoCartina(map, longer, computeTripStatistics(longer), MapColouring::Speed);
  EXPECT_EQ(segmentsOf(map)[0].colour, before);
}

}  // namespace
}  // namespace vianora
