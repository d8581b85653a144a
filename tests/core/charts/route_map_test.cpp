#include "core/charts/route_map.h"

#include <gtest/gtest.h>

#include "core/analysis/distanza.h"

namespace vianora {
namespace {

using Lines = std::vector<ChartLine>;
constexpr SurfaceSize kWide{10400, 5400};
constexpr Rgb kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255), kRed = rgb(255, 0, 0);

Percorso tripOf(const std::vector<Punto>& points) {
  Percorso trip;
  trip.Punti = points;
  return trip;
}

// Statistics naming the points at the position extremes, and no top speed.
TripStatistics extremes(std::size_t north, std::size_t south, std::size_t east, std::size_t west) {
  return {.IdxLonMin = west, .IdxLatMin = south, .IdxLonMax = east, .IdxLatMax = north};
}

ChartLine seg(float x1, float y1, float x2, float y2, Rgb colour = kRed) {
  return ChartLine{x1, y1, x2, y2, colour, 2, LineStyle::Solid, true};
}

// Coloured by speed: without a top speed every segment is pure red.
Lines segmentsOf(const Percorso& trip, const TripStatistics& stats, SurfaceSize surface) {
  const ChartPicture map = AggiornaGraficoCartina(trip, stats, surface, MapColouring::Speed);
  EXPECT_TRUE(map.labels.empty() && map.lineSets.size() == 1);
  return map.lineSets.at(kSegmentsSet);
}

TEST(RouteMap, FitsTheExtremesInsideTheMarginsWithOneScaleForBothAxes) {
  // Steps of 1/128 degree are exact in binary; the margins are 200 twips. On a tall surface the
  // longitude is tighter (320,000 twips a degree), on a wide one the latitude: the spare room is
  // left at the bottom or the right. Point 0 lies outside the extremes, beyond the margins.
  const Percorso track =
      tripOf({{45.0234375, 6.9921875, 100}, {45.015625, 7, 100}, {45, 7.03125, 100}});
  const Lines drawn{seg(-2300, -2300, 200, 200), seg(200, 200, 10200, 5200)};
  EXPECT_EQ(segmentsOf(track, extremes(1, 2, 2, 1), {10400, 8400}), drawn);
  EXPECT_EQ(segmentsOf(track, extremes(1, 2, 2, 1), {14400, 5400}), drawn);
  // Along a parallel or a meridian, the other direction's scale serves both.
  EXPECT_EQ(segmentsOf(tripOf({{45, 7, 100}, {45, 7.03125, 100}}), extremes(0, 0, 1, 0), kWide),
            Lines{seg(200, 200, 10200, 200)});
  EXPECT_EQ(segmentsOf(tripOf({{45.015625, 7, 100}, {45, 7, 100}}), extremes(0, 1, 0, 0), kWide),
            Lines{seg(200, 200, 200, 5200)});
  // Nothing for extremes that span nothing or are no points of the trip, nor without room.
  EXPECT_EQ(segmentsOf(track, extremes(1, 1, 1, 1), kWide), Lines{});
  EXPECT_EQ(segmentsOf(track, extremes(3, 2, 2, 1), kWide), Lines{});
  EXPECT_EQ(segmentsOf(track, extremes(1, 2, 2, 1), {400, 5400}), Lines{});
}

TEST(RouteMap, ColoursSegmentsByTheirOwnSpeedOrTheAltitudeTheyEndAt) {
  // Equal steps north-east, 2500 by 1250 twips, taken in 1/2, 1/4, 0 and 1/8 day.
  const Percorso trip = tripOf({{45, 7, 1000, 1},
                                {45.0078125, 7.015625, 1500, 1.5},
                                {45.015625, 7.03125, 2000, 1.75},
                                {45.0234375, 7.046875, 0, 1.75},
                                {45.03125, 7.0625, 1000, 1.875}});
  TripStatistics stats = extremes(4, 0, 4, 0);
  stats.AltitudineMin = 1000;
  stats.AltitudineMax = 2000;
  stats.VelocitaMax = 4 * Distanza(trip.Punti[0], trip.Punti[1]);  // the second segment's
  ChartPicture map = AggiornaGraficoCartina(trip, stats, kWide, MapColouring::Speed);
  const Lines bySpeed{seg(200, 5200, 2700, 3950, rgb(128, 0, 0)), seg(2700, 3950, 5200, 2700, kRed),
                      seg(5200, 2700, 7700, 1450, 0), seg(7700, 1450, 10200, 200, kRed)};
  EXPECT_EQ(map.lineSets, std::vector<Lines>{bySpeed});
  // Recolouring moves nothing.
  ColoraGraficoCartina(map, trip, stats, MapColouring::Altitude);
  Lines byAltitude = bySpeed;
  const Rgb altitudeColours[] = {rgb(0, 128, 128), kBlue, kGreen, kGreen};
  for (std::size_t k = 0; k < 4; ++k) byAltitude[k].colour = altitudeColours[k];
  EXPECT_EQ(map.lineSets, std::vector<Lines>{byAltitude});
  // A map of a trip of another size, and a picture without a map, are left alone.
  ColoraGraficoCartina(map, tripOf({trip.Punti.begin(), trip.Punti.end() - 1}), stats,
                       MapColouring::Speed);
  EXPECT_EQ(map.lineSets, std::vector<Lines>{byAltitude});
  ChartPicture blank;
  ColoraGraficoCartina(blank, trip, stats, MapColouring::Speed);
  EXPECT_TRUE(blank.lineSets.empty());
}

}  // namespace
}  // namespace vianora
