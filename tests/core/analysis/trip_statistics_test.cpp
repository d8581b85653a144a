#include "core/analysis/trip_statistics.h"

#include <gtest/gtest.h>

#include "core/analysis/statistics_texts.h"

namespace vianora {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

Percorso trip(std::initializer_list<Punto> points) {
  Percorso t;
  t.Punti.assign(points);
  return t;
}

StatisticsTexts english(const Percorso& t) {
  return statisticsTexts(computeTripStatistics(t), DisplayFormat{});
}

// Worked by hand. Each leg moves 0.001 degree north and 0.002 east, 0.2 km on the flat
// ((0.001^2 + 0.002^2) x 8000 = 0.04), and climbs or drops 150 m: sqrt(0.04 + 0.15^2) = 0.25 km.
// Up in 5 minutes (3 km/h), down in 10 (1.5 km/h); 0.5 km in a quarter of an hour is 2 km/h.
// Point 0 counts: it is the start and, tied with point 2 at 100 m, the lowest point, at km 0.
TEST(TripStatistics, ThreePointTripWorkedByHand) {
  const Percorso t = trip({{45.000, 7.000, 100, kDay0},
                           {45.001, 7.002, 250, kDay0 + 5 * kMinute},
                           {45.002, 7.004, 100, kDay0 + 15 * kMinute}});
  const StatisticsTexts x = english(t);
  EXPECT_EQ(x.distance, "0.500");
  EXPECT_EQ(x.ascent, "150.0");
  EXPECT_EQ(x.climbDistance, "0.250");
  EXPECT_EQ(x.climbTime, "00:05:00");
  EXPECT_EQ(x.altitudeMax, "250.0");
  EXPECT_EQ(x.altitudeMaxKm, "0.250");
  EXPECT_EQ(x.altitudeMin, "100.0");
  EXPECT_EQ(x.altitudeMinKm, "0.000");
  EXPECT_EQ(x.start, "2008-11-04 12:00:00");
  EXPECT_EQ(x.end, "2008-11-04 12:15:00");
  EXPECT_EQ(x.duration, "00:15:00");
  EXPECT_EQ(x.averageSpeed, "2.000");
  EXPECT_EQ(x.maxSpeed, "3.000");
  EXPECT_EQ(x.maxSpeedKm, "0.250");
  const TripStatistics s = computeTripStatistics(t);
  EXPECT_EQ(s.IdxInizio, 0u);
  EXPECT_EQ(s.IdxFine, 2u);
  EXPECT_EQ(s.IdxLatMin, 0u);
  EXPECT_EQ(s.IdxLonMin, 0u);
  EXPECT_EQ(s.IdxLatMax, 2u);
  EXPECT_EQ(s.IdxLonMax, 2u);
}

// Worked by hand: 0.1 km straight up in 28 hours, then 2 km on the flat in 24 hours 30 seconds.
// Durations keep their days as hours: 52:00:30 in all, 28:00:00 climbing.
TEST(TripStatistics, TwoDayTripKeepsItsDaysAsHours) {
  const Percorso t = trip({{45.00, 7.00, 100, kDay0},
                           {45.00, 7.00, 200, kDay0 + 28 * 60 * kMinute},
                           {45.01, 7.02, 200, kDay0 + (52 * 60 + 0.5) * kMinute}});
  const StatisticsTexts x = english(t);
  EXPECT_EQ(x.duration, "52:00:30");
  EXPECT_EQ(x.climbTime, "28:00:00");
  EXPECT_EQ(x.distance, "2.100");
  EXPECT_EQ(x.averageSpeed, ".040");  // 2.1 km in 52.008 hours
  EXPECT_EQ(x.end, "2008-11-06 16:00:30");
}

TEST(TripStatistics, TakesExtremesOverBothPointsOfEveryCountingPairOnly) {
  // Point 1 has no altitude: pairs 0-1 and 1-2 do not count, so point 0 (the highest, the
  // earliest) is no candidate; point 2 is, as the first point of the pair 2-3.
  const Percorso t = trip({{45.0, 7, 900, kDay0},
                           {45.1, 7, 0, kDay0 + kMinute},
                           {45.2, 7, 200, kDay0 + 2 * kMinute},
                           {45.2, 7, 210, kDay0 + 3 * kMinute}});
  const TripStatistics s = computeTripStatistics(t);
  const StatisticsTexts x = english(t);
  EXPECT_EQ(x.distance, "0.010");
  EXPECT_EQ(x.ascent, "10.0");
  EXPECT_EQ(x.altitudeMax, "210.0");
  EXPECT_EQ(x.altitudeMin, "200.0");
  EXPECT_EQ(x.altitudeMinKm, "0.000");
  EXPECT_EQ(x.start, "2008-11-04 12:02:00");
  EXPECT_EQ(s.IdxInizio, 2u);
  EXPECT_EQ(s.IdxLatMin, 2u);
}

TEST(TripStatistics, PointsWithoutATimeAreNoDates) {
  struct Case {
    const char* what;
    Percorso trip;
    const char* start;
    const char* end;
    const char* duration;
    const char* climbTime;
    const char* average;
  };
  const Case cases[] = {
      {"first point untimed: the start is the first timed one",
       trip({{45.00, 7, 100, 0}, {45.00, 7, 200, kDay0}, {45.00, 7, 300, kDay0 + 60 * kMinute}}),
       "2008-11-04 12:00:00", "2008-11-04 13:00:00", "01:00:00", "01:00:00", ".200"},
      {"no time anywhere", trip({{45.0, 7, 100, 0}, {45.1, 7, 110, 0}, {45.2, 7, 120, 0}}), "N.C.",
       "N.C.", "N.C.", "N.C.", "N.C."},
      {"a lone timed point", trip({{45.0, 7, 100, kDay0}}), "2008-11-04 12:00:00",
       "2008-11-04 12:00:00", "00:00:00", "00:00:00", "N.C."},
      {"a lone untimed point", trip({{45.0, 7, 100, 0}}), "N.C.", "N.C.", "N.C.", "N.C.", "N.C."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const StatisticsTexts x = english(c.trip);
    EXPECT_EQ(x.start, c.start);
    EXPECT_EQ(x.end, c.end);
    EXPECT_EQ(x.duration, c.duration);
    EXPECT_EQ(x.climbTime, c.climbTime);
    EXPECT_EQ(x.averageSpeed, c.average);
  }
  // The untimed point climbs and counts for distance, but gives the pair no time and no speed.
  const TripStatistics s = computeTripStatistics(trip({{45.0, 7, 100, 0}, {45.1, 7, 200, kDay0}}));
  EXPECT_EQ(s.climbTime, 0.0);
  EXPECT_EQ(s.VelocitaMax, 0.0);
  EXPECT_GT(s.climbDistance, 0.0);
}

TEST(TripStatistics, ShowsNoSeedValuesForAltitudes) {
  struct Case {
    const char* what;
    Percorso trip;
    const char* max;
    const char* maxKm;
    const char* min;
    const char* minKm;
  };
  const Case cases[] = {
      {"one point", trip({{45, 7, 100, kDay0}}), "N.C.", "N.C.", "N.C.", "N.C."},
      {"all altitudes 0", trip({{45, 7, 0, kDay0}, {45.1, 7, 0, kDay0 + kMinute}}), "N.C.", "N.C.",
       "N.C.", "N.C."},
      {"below the sea", trip({{31.5, 35.5, -400, kDay0}, {31.5, 35.5, -420, kDay0 + kMinute}}),
       "-400.0", "0.000", "-420.0", "0.020"},
      {"below one metre", trip({{45, 7, 0.5, kDay0}, {45, 7, 0.8, kDay0 + kMinute}}), "0.8",
       "0.000", "0.5", "0.000"},
      {"above the seed", trip({{45, 7, 9000, kDay0}, {45, 7, 9100, kDay0 + kMinute}}), "9,100.0",
       "0.100", "9,000.0", "0.000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const StatisticsTexts x = english(c.trip);
    EXPECT_EQ(x.altitudeMax, c.max);
    EXPECT_EQ(x.altitudeMaxKm, c.maxKm);
    EXPECT_EQ(x.altitudeMin, c.min);
    EXPECT_EQ(x.altitudeMinKm, c.minKm);
  }
}

TEST(TripStatistics, NeverTakesAnImpossibleOrBackwardSpeedAsTheMaximum) {
  // 0.1 degree (8.944 km) in one minute is 536 km/h; 0.001 degree (0.089 km) in 10 minutes is
  // 0.537 km/h; the last pair goes back in time; the one after it has no duration.
  const Percorso t = trip({{45, 7, 100, kDay0},
                           {45.1, 7, 100, kDay0 + kMinute},
                           {45.101, 7, 100, kDay0 + 11 * kMinute},
                           {45.102, 7, 100, kDay0 + 5 * kMinute},
                           {45.103, 7, 100, kDay0 + 5 * kMinute}});
  const StatisticsTexts x = english(t);
  EXPECT_EQ(x.maxSpeed, ".537");
  EXPECT_EQ(x.maxSpeedKm, "9.034");
  EXPECT_EQ(x.averageSpeed, "50.251");  // the fast pair still counts: 9.213 km in 11 minutes
}

TEST(TripStatistics, HandlesTripsBeyondSixteenBitIndexes) {
  Percorso t;
  t.Punti.resize(100000);
  for (std::size_t i = 0; i < t.Punti.size(); ++i) {
    t.Punti[i] = Punto{45.0 + 1e-5 * static_cast<double>(i), 7.0, 100.0,
                       kDay0 + static_cast<double>(i) * kMinute};
  }
  const TripStatistics s = computeTripStatistics(t);
  EXPECT_EQ(s.IdxFine, 99999u);
  EXPECT_EQ(s.IdxLatMax, 99999u);
}

}  // namespace
}  // namespace vianora
