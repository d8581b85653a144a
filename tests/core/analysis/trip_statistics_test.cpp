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

// The fourteen texts in their boxes' order: ascent, highest and lowest altitude with their km,
// distance, climbing distance and time, start, end, duration, average and top speed, its km.
std::string texts(const Percorso& t) {
  const StatisticsTexts x = statisticsTexts(computeTripStatistics(t), DisplayFormat{});
  std::string joined;
  for (const std::string* text :
       {&x.ascent, &x.altitudeMax, &x.altitudeMin, &x.altitudeMaxKm, &x.altitudeMinKm, &x.distance,
        &x.climbDistance, &x.climbTime, &x.start, &x.end, &x.duration, &x.averageSpeed, &x.maxSpeed,
        &x.maxSpeedKm}) {
    joined += *text + "|";
  }
  return joined;
}

// Worked by hand. Each leg moves 0.001 degree north and 0.002 east, 0.2 km on the flat
// ((0.001^2 + 0.002^2) x 8000 = 0.04), and climbs or drops 150 m: sqrt(0.04 + 0.15^2) = 0.25 km.
// Up in 5 minutes (3 km/h), down in 10 (1.5 km/h); 0.5 km in a quarter of an hour is 2 km/h.
// Point 0 counts: it is the start and, tied with point 2 at 100 m, the lowest point, at km 0.
TEST(TripStatistics, ThreePointTripWorkedByHand) {
  const Percorso t = trip({{45.000, 7.000, 100, kDay0},
                           {45.001, 7.002, 250, kDay0 + 5 * kMinute},
                           {45.002, 7.004, 100, kDay0 + 15 * kMinute}});
  EXPECT_EQ(texts(t),
            "150.0|250.0|100.0|0.250|0.000|0.500|0.250|00:05:00|2008-11-04 12:00:00|"
            "2008-11-04 12:15:00|00:15:00|2.000|3.000|0.250|");
  const TripStatistics s = computeTripStatistics(t);
  EXPECT_EQ((std::vector<std::size_t>{s.IdxInizio, s.IdxFine, s.IdxLatMin, s.IdxLonMin, s.IdxLatMax,
                                      s.IdxLonMax}),
            (std::vector<std::size_t>{0, 2, 0, 0, 2, 2}));
}

TEST(TripStatistics, WorkedByHandForTimesAltitudesAndCountingPairs) {
  const struct {
    const char* what;
    Percorso trip;
    const char* texts;
  } cases[] = {
      // 0.1 km straight up in 28 hours, then 2 km on the flat in 24 hours 30 seconds: durations
      // keep their days as hours.
      {"two days",
       trip({{45.00, 7.00, 100, kDay0},
             {45.00, 7.00, 200, kDay0 + 28 * 60 * kMinute},
             {45.01, 7.02, 200, kDay0 + (52 * 60 + 0.5) * kMinute}}),
       "100.0|200.0|100.0|0.100|0.000|2.100|0.100|28:00:00|2008-11-04 12:00:00|"
       "2008-11-06 16:00:30|52:00:30|.040|.083|2.100|"},
      // Point 1 has no altitude: only the pair 2-3 counts, point 0 is no candidate.
      {"altitude 0",
       trip({{45.0, 7, 900, kDay0},
             {45.1, 7, 0, kDay0 + kMinute},
             {45.2, 7, 200, kDay0 + 2 * kMinute},
             {45.2, 7, 210, kDay0 + 3 * kMinute}}),
       "10.0|210.0|200.0|0.010|0.000|0.010|0.010|00:01:00|2008-11-04 12:02:00|"
       "2008-11-04 12:03:00|00:01:00|.600|.600|0.010|"},
      // The untimed point climbs and counts for distance, but gives its pair no time or speed.
      {"first untimed",
       trip({{45, 7, 100, 0}, {45, 7, 200, kDay0}, {45, 7, 300, kDay0 + 60 * kMinute}}),
       "200.0|300.0|100.0|0.200|0.000|0.200|0.200|01:00:00|2008-11-04 12:00:00|"
       "2008-11-04 13:00:00|01:00:00|.200|.100|0.200|"},
      // Two legs of sqrt(0.1^2 x 8000 + 0.01^2) = 8.9442775 km.
      {"no time", trip({{45.0, 7, 100, 0}, {45.1, 7, 110, 0}, {45.2, 7, 120, 0}}),
       "20.0|120.0|100.0|17.889|0.000|17.889|17.889|N.C.|N.C.|N.C.|N.C.|N.C.|.000|0.000|"},
      {"one point", trip({{45, 7, 100, kDay0}}),
       "0.0|N.C.|N.C.|N.C.|N.C.|0.000|0.000|00:00:00|2008-11-04 12:00:00|2008-11-04 12:00:00|"
       "00:00:00|N.C.|.000|0.000|"},
      {"below the sea", trip({{31.5, 35.5, -400, kDay0}, {31.5, 35.5, -420, kDay0 + kMinute}}),
       "0.0|-400.0|-420.0|0.000|0.020|0.020|0.000|00:00:00|2008-11-04 12:00:00|"
       "2008-11-04 12:01:00|00:01:00|1.200|1.200|0.020|"},
      {"below 1 m", trip({{45, 7, 0.5, kDay0}, {45, 7, 0.8, kDay0 + kMinute}}),
       "0.3|0.8|0.5|0.000|0.000|0.000|0.000|00:01:00|2008-11-04 12:00:00|2008-11-04 12:01:00|"
       "00:01:00|.018|.018|0.000|"},
      {"above 8844.43 m", trip({{45, 7, 9000, kDay0}, {45, 7, 9100, kDay0 + kMinute}}),
       "100.0|9,100.0|9,000.0|0.100|0.000|0.100|0.100|00:01:00|2008-11-04 12:00:00|"
       "2008-11-04 12:01:00|00:01:00|6.000|6.000|0.100|"},
  };
  for (const auto& c : cases) EXPECT_EQ(texts(c.trip), c.texts) << c.what;
}

// Straight climbs, exact in binary, a 128th of a day (22.5 minutes) apart: 37.5 km in it is
// exactly 200 km/h, too fast to be the top speed; 37.3125 km is 199 km/h. Then a step back in
// time (a negative speed) and one without a duration: neither is a speed either. Every pair
// still counts for distance, climbing and the average: 74.8145 km in 22.5 minutes.
TEST(TripStatistics, TakesNoSpeedOf200KmhOrMoreNorOneBackInTime) {
  const double start = 1.0;  // 1899-12-31 00:00
  const Percorso t = trip({{45, 7, 100, start},
                           {45, 7, 37600, start + 1 / 128.0},
                           {45, 7, 74912.5, start + 2 / 128.0},
                           {45, 7, 74913.5, start + 1 / 128.0},
                           {45, 7, 74914.5, start + 1 / 128.0}});
  EXPECT_EQ(texts(t),
            "74,814.5|74,914.5|100.0|74.815|0.000|74.815|74.815|00:11:15|1899-12-31|"
            "1899-12-31 00:22:30|00:22:30|199.505|199.000|74.813|");
}

}  // namespace
}  // namespace vianora
