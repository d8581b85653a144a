#include "analysis/trip_statistics.h"

#include <gtest/gtest.h>

#include "analysis/distanza.h"
#include "analysis/statistics_texts.h"

namespace vianora {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

Percorso trip(std::initializer_list<Punto> points) {
  Percorso t;
  t.Punti.assign(points);
  return t;
}

StatisticsTexts english(const TripStatistics& s) { return statisticsTexts(s, DisplayFormat{}); }

TEST(TripStatistics, OnePointTripHasNoFigures) {
  const Percorso t = trip({{45, 7, 100, kDay0}});
  const TripStatistics s = computeTripStatistics(t);
  const StatisticsTexts x = english(s);
  EXPECT_EQ(x.distance, "0.000");
  EXPECT_EQ(x.start, "2008-11-04 12:00:00");
  EXPECT_EQ(x.end, "2008-11-04 12:00:00");
  EXPECT_EQ(x.duration, "00:00:00");
  EXPECT_EQ(x.averageSpeed, "N.C.");
  EXPECT_EQ(x.maxSpeed, ".000");
  EXPECT_EQ(x.altitudeMax, "1.0");
  EXPECT_EQ(x.altitudeMin, "8,844.4");
  EXPECT_EQ(x.ascent, "0.0");
}

TEST(TripStatistics, ClimbsAndExtremesComeFromTheLaterPointOfEachPair) {
  // Altitudes 100, 150, 120: the first point is never a candidate.
  const Percorso t = trip({{45, 7, 100, kDay0},
                           {45.001, 7, 150, kDay0 + 60 * kSecond},
                           {45.002, 7, 120, kDay0 + 120 * kSecond}});
  const TripStatistics s = computeTripStatistics(t);
  const double first = Distanza(t.Punti[1], t.Punti[0]);
  const double second = Distanza(t.Punti[2], t.Punti[1]);
  EXPECT_EQ(s.Dislivello, 50.0);
  EXPECT_EQ(s.climbDistance, first);
  EXPECT_EQ(s.climbTime, t.Punti[1].DataOra - t.Punti[0].DataOra);
  EXPECT_EQ(s.AltitudineMax, 150.0);
  EXPECT_EQ(s.DistAltitudineMax, first);
  EXPECT_EQ(s.AltitudineMin, 120.0);
  EXPECT_EQ(s.DistAltitudineMin, first + second);
  EXPECT_EQ(s.DistanzaTotale, first + second);
  EXPECT_EQ(s.IdxInizio, 1u);
  EXPECT_EQ(s.IdxFine, 2u);
  EXPECT_EQ(s.IdxLatMin, 1u);
  EXPECT_EQ(s.IdxLatMax, 2u);
  EXPECT_EQ(s.IdxLonMin, 1u);  // ties keep the earlier index
  EXPECT_EQ(s.IdxLonMax, 1u);
  EXPECT_EQ(english(s).ascent, "50.0");
  EXPECT_EQ(english(s).altitudeMin, "120.0");
}

TEST(TripStatistics, LeavesOutEveryPairTouchingAZeroAltitude) {
  const Percorso t = trip({{45, 7, 100, kDay0},
                           {45.1, 7, 0, kDay0 + kSecond},
                           {45.2, 7, 200, kDay0 + 2 * kSecond},
                           {45.3, 7, 210, kDay0 + 3 * kSecond}});
  const TripStatistics s = computeTripStatistics(t);
  EXPECT_EQ(s.DistanzaTotale, Distanza(t.Punti[3], t.Punti[2]));
  EXPECT_EQ(s.Dislivello, 10.0);
  EXPECT_EQ(s.IdxInizio, 3u);
}

TEST(TripStatistics, NeverTakesAnImpossibleOrBackwardSpeedAsTheMaximum) {
  // 0.1 degree in one second is far beyond 200 km/h; the last segment goes back in time.
  const Percorso t = trip({{45, 7, 100, kDay0},
                           {45.1, 7, 100, kDay0 + kSecond},
                           {45.1001, 7, 100, kDay0 + 11 * kSecond},
                           {45.1002, 7, 100, kDay0 + 5 * kSecond},
                           {45.1003, 7, 100, kDay0 + 5 * kSecond}});
  const TripStatistics s = computeTripStatistics(t);
  const double slow = Distanza(t.Punti[2], t.Punti[1]) / (t.Punti[2].DataOra - t.Punti[1].DataOra);
  EXPECT_EQ(s.VelocitaMax, slow);
  EXPECT_EQ(s.DistVelocitaMax, Distanza(t.Punti[1], t.Punti[0]) + Distanza(t.Punti[2], t.Punti[1]));
  ASSERT_TRUE(s.averageSpeedKmh().has_value());  // the fast segment still counts on average
  EXPECT_EQ(*s.averageSpeedKmh(),
            s.DistanzaTotale / ((t.Punti[2].DataOra - t.Punti[1].DataOra) * 24));
}

TEST(TripStatistics, TripsWithoutTimesHaveNoSpeeds) {
  const Percorso t = trip({{45, 7, 100, 0}, {45.1, 7, 110, 0}, {45.2, 7, 120, 0}});
  const StatisticsTexts x = english(computeTripStatistics(t));
  EXPECT_EQ(x.duration, "00:00:00");
  EXPECT_EQ(x.averageSpeed, "N.C.");
  EXPECT_EQ(x.maxSpeed, ".000");
  EXPECT_EQ(x.climbTime, "00:00:00");
  EXPECT_EQ(x.start, "00:00:00");
}

TEST(TripStatistics, StartStaysAtAnUntimedFirstPoint) {
  const Percorso t = trip({{45, 7, 100, 0}, {45.1, 7, 110, kDay0}, {45.2, 7, 120, kDay0 + 0.5}});
  const TripStatistics s = computeTripStatistics(t);
  EXPECT_EQ(s.IdxInizio, 0u);
  EXPECT_EQ(s.startDay, 0.0);
  EXPECT_EQ(s.IdxFine, 2u);
  EXPECT_EQ(s.duration(), kDay0 + 0.5);
}

TEST(TripStatistics, ShowsOnlyTheTimeOfDayOfLongDurationsButAveragesOverThemAll) {
  const Percorso t =
      trip({{45, 7, 100, kDay0}, {45, 7, 100, kDay0}, {46, 7, 100, kDay0 + 25.0 / 24}});
  const TripStatistics s = computeTripStatistics(t);
  const StatisticsTexts x = english(s);
  EXPECT_EQ(x.duration, "01:00:00");
  EXPECT_EQ(x.distance, "89.443");
  EXPECT_EQ(x.averageSpeed, "3.578");  // 89.443 km in 25 hours
}

TEST(TripStatistics, WritesSlowSpeedsWithoutALeadingZeroAndGroupsThousands) {
  const Percorso t =
      trip({{0, 0, 100, kDay0}, {0.0001, 0, 100, kDay0 + 1.0 / 24}, {13.8, 0, 100, kDay0 + 200}});
  const StatisticsTexts x = english(computeTripStatistics(t));
  EXPECT_EQ(x.maxSpeed.substr(0, 1), ".");
  EXPECT_EQ(x.distance, "1,234.310");
}

TEST(TripStatistics, HandlesTripsBeyondSixteenBitIndexes) {
  Percorso t;
  t.Punti.resize(100000);
  for (std::size_t i = 0; i < t.Punti.size(); ++i) {
    t.Punti[i] =
        Punto{45.0 + 1e-5 * static_cast<double>(i), 7.0, 100.0 + static_cast<double>(i % 7),
              kDay0 + static_cast<double>(i) * kSecond};
  }
  const TripStatistics s = computeTripStatistics(t);
  EXPECT_EQ(s.IdxFine, 99999u);
  EXPECT_EQ(s.IdxLatMax, 99999u);
  EXPECT_EQ(s.IdxInizio, 1u);
}

}  // namespace
}  // namespace vianora
