#include "core/charts/point_lookup.h"

#include <gtest/gtest.h>

#include "core/charts/map_point_lookup.h"

namespace vianora {
namespace {

using Found = std::optional<std::size_t>;

// One place for all points: each step is the altitude's difference, 1000 m a kilometre.
TEST(TripPointLookup, FindsTheNearestDrawnPointOnEitherAxisAndTheEarlierOnTies) {
  // Runs 0, 1, 1, 1, 2, 2 km: point 2 has no altitude, so neither pair around it counts.
  // Elapsed 0.5, -, -, 0.25, 0.5, 0.375 days from day 10: point 1 has no time, point 2 no
  // altitude; times go backwards.
  Percorso trip;
  trip.Punti = {{45, 7, 1000, 10.5},  {45, 7, 2000, 0},    {45, 7, 0, 10.3125},
                {45, 7, 4000, 10.25}, {45, 7, 5000, 10.5}, {45, 7, 5000, 10.375}};
  const TripStatistics stats{.startDay = 10};
  const TripPointLookup lookup(trip, stats);
  EXPECT_EQ((std::pair{lookup.distanceRun(3), lookup.distanceRun(5)}), (std::pair{1.0, 2.0}));
  const std::pair<double, Found> byDistance[] = {{-5, 0}, {0.5, 0}, {0.51, 1}, {0.9, 1},
                                                 {1, 1},  {1.6, 4}, {99, 4}};
  for (const auto& [km, point] : byDistance) EXPECT_EQ(lookup.nearestByDistance(km), point) << km;
  const std::pair<double, Found> byElapsed[] = {{-9, 3},     {0.3, 3},  {0.3125, 3}, {0.33, 5},
                                                {0.4375, 0}, {0.43, 5}, {0.9, 0}};
  for (const auto& [days, point] : byElapsed)
    EXPECT_EQ(lookup.nearestByElapsed(days), point) << days;
  // A trip of its placeholder point alone.
  const TripPointLookup placeholder(Percorso{}, TripStatistics{});
  EXPECT_EQ((std::pair{placeholder.nearestByDistance(0), placeholder.nearestByElapsed(0)}),
            (std::pair{Found{}, Found{}}));
}

ChartPicture mapThrough(const std::vector<PicturePlace>& places) {
  ChartPicture map;
  map.lineSets.emplace_back();
  for (std::size_t i = 1; i < places.size(); ++i)
    map.lineSets[0].push_back({places[i - 1].x, places[i - 1].y, places[i].x, places[i].y});
  return map;
}

TEST(MapPointLookup, FindsTheNearestPointWithinTheRadiusAndTheEarlierOnTies) {
  // Points 1 and 2 share a place; cells are 447 twips, three by three.
  const MapPointLookup lookup(mapThrough({{0, 0}, {100, 0}, {100, 0}, {1000, 1000}, {0, 1000}}));
  struct Query {
    double x, y, radius;
    Found point;
  };
  const Query queries[] = {{50, 0, 60, 0},      {60, 0, 60, 1},      {500, 500, 600, {}},
                           {500, 500, 710, 1},  {550, 1000, 500, 3}, {450, 1000, 500, 4},
                           {500, 1000, 500, 3}, {0, 600, 400, 4},    {-5000, 0, 4990, {}},
                           {-5000, 0, 5000, 0}, {1e30, 0, 1e6, {}},  {500, 500, -1, {}}};
  for (const Query& q : queries)
    EXPECT_EQ(lookup.nearest(q.x, q.y, q.radius), q.point) << q.x << "," << q.y << " " << q.radius;
  // All points at one place; no segments at all.
  EXPECT_EQ(MapPointLookup(mapThrough({{20, 30}, {20, 30}})).nearest(20, 40, 10), Found{0});
  EXPECT_EQ(MapPointLookup(mapThrough({})).nearest(0, 0, 1e9), std::nullopt);
}

// Against a search of every point, on a scatter of 600 places (each place twice, for ties) in a
// grid of many cells, queried inside, at the edges and outside the map.
TEST(MapPointLookup, AgreesWithASearchOfEveryPoint) {
  std::vector<PicturePlace> places;
  unsigned seed = 12345;
  const auto next = [&seed] {
    return static_cast<float>((seed = seed * 1103515245u + 12345u) >> 16 & 0x3FFF);
  };
  while (places.size() < 600) {
    const PicturePlace at{next(), next() / 2};
    places.insert(places.end(), {at, at});
  }
  const MapPointLookup lookup(mapThrough(places));
  for (int q = 0; q < 300; ++q) {
    const double x = next() * 1.2 - 1000, y = next() * 0.7 - 1000, radius = next() / 8;
    Found best;
    double bestSquared = radius * radius;
    for (std::size_t i = 0; i < places.size(); ++i) {
      const double d =
          (places[i].x - x) * (places[i].x - x) + (places[i].y - y) * (places[i].y - y);
      if (d < bestSquared || (d == bestSquared && !best)) best = i, bestSquared = d;
    }
    EXPECT_EQ(lookup.nearest(x, y, radius), best) << x << "," << y << " " << radius;
  }
}

}  // namespace
}  // namespace vianora
