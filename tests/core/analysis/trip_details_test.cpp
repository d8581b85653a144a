#include "core/analysis/trip_details.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/analysis/distanza.h"
#include "core/analysis/trip_statistics.h"
#include "core/import/reader_choice.h"

namespace vianora {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

// Point n steps of 50 m on the flat (0.00025 degree north, 0.0005 east: 8000 x 3.125e-7 =
// 0.0025 km^2) from 45 N 7 E, at an altitude, m minutes after kDay0 (no time when m < 0).
Punto at(double steps, double altitude, double m) {
  return {45 + steps * 0.00025, 7 + steps * 0.0005, altitude, m < 0 ? 0 : kDay0 + m * kMinute};
}

std::string text(const char* format, double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, v);
  return buffer;
}
std::string text(const std::optional<double>& v) { return v ? text("%.3f", *v) : "-"; }
std::string text(const TripStretch& w) {
  return text("%.0f-", w.firstPoint) + text("%.0f", w.lastPoint) + text(" %.3f", w.startKm);
}
std::string text(const std::optional<Gradient>& g) {
  return g ? text(g->where) + text(" %.3f ", g->lengthKm) + text(g->percent) : "-";
}

// Descent, moving and stopped, pauses (start: seconds after kDay0), gradients, splits.
std::string digest(const TripDetails& d) {
  std::string s = text("%.3f ", d.descent) + text("%.3f ", d.descentKm) + text(d.descentSeconds) +
                  "|" + text(d.movingSeconds) + " " + text(d.movingSpeedKmh) + " " +
                  text(d.stoppedSeconds) + text(" %.0f|", d.pausedSeconds);
  for (const Pause& p : d.pauses)
    s += text(p.where) + text(" %.0f", (p.startDay - kDay0) * 86400) + text(" %.0f;", p.seconds);
  s += "|" + text(d.steepestClimb) + "|" + text(d.steepestDescent) + "|";
  for (const Split& k : d.splits)
    s += std::to_string(k.number) + " " + text(k.where) + text(" %.3f ", k.km) + text(k.seconds) +
         " " + text(k.speedKmh) + text(" %.3f", k.ascent) + text(" %.3f;", k.descent);
  return s;
}

TEST(TripDetails, WorkedByHand) {
  // Rises and drops of 37.5 m over 50 m on the flat are 62.5 m pairs (3-4-5).
  const struct {
    const char* what;
    std::vector<Punto> points;
    const char* digest;
  } cases[] = {
      // One minute a pair, 0.35 km in 6 minutes. The shortest stretch from point 1 reaching
      // 100 m ends at point 3: 75 m up over 125 m is 60 %; down the same from point 4.
      {"a hill",
       {at(0, 100, 0), at(1, 100, 1), at(2, 137.5, 2), at(3, 175, 3), at(4, 175, 4),
        at(5, 137.5, 5), at(6, 100, 6)},
       "75.000 0.125 120.000|360.000 3.500 0.000 0||1-3 0.050 0.125 60.000|4-6 0.225 0.125 "
       "-60.000|1 0-6 0.000 0.350 360.000 3.500 75.000 75.000;"},
      {"no times",
       {at(0, 100, -1), at(1, 90, -1)},
       "10.000 0.051 -|- - - 0||-|-|1 0-1 0.000 0.051 - - 0.000 10.000;"},
      // Standing 3 minutes at step 1; 50 m in an hour (0.05 km/h) after step 2; 30 s standing
      // at the end, too short: 30 s stopped beyond the pauses. Flat: no gradient.
      {"two pauses",
       {at(0, 100, 0), at(1, 100, 1), at(1, 100, 3), at(1, 100, 4), at(2, 100, 5), at(3, 100, 65),
        at(4, 100, 66), at(4, 100, 66.5)},
       "0.000 0.000 0.000|180.000 3.000 3810.000 3780|1-3 0.050 60 180;4-5 0.100 300 3600;|-|-|"
       "1 0-7 0.000 0.200 3990.000 0.180 0.000 0.000;"},
      // 1.2 km on the flat and 500 m up make 1.3 km in 13 minutes; then 0.96 km and 720 m down,
      // 1.2 km in 12 minutes. The first kilometre takes 1/1.3 of the climb; the second the
      // rest of it (0.3 km, 3 min, 115.385 m) and 0.7 of the drop (7 min, 420 m).
      {"three splits",
       {at(0, 300, 0), at(24, 800, 13), at(43.2, 80, 25)},
       "720.000 1.200 720.000|1500.000 6.000 0.000 0||0-1 0.000 1.300 38.462|1-2 1.300 1.200 "
       "-60.000|1 0-1 0.000 1.000 600.000 6.000 384.615 0.000;2 0-2 1.000 1.000 600.000 6.000 "
       "115.385 420.000;3 1-2 2.000 0.500 300.000 6.000 0.000 300.000;"},
      // Pairs 1-2 and 2-3 do not count: they end the runs of 30 s standing before and after
      // them. Then 50 m straight down in a minute, shorter than a gradient.
      {"altitude 0 in between",
       {at(0, 100, 0), at(0, 100, 0.5), at(0, 0, 1), at(1, 200, 2), at(1, 200, 2.5),
        at(1, 150, 3.5)},
       "50.000 0.050 60.000|60.000 3.000 150.000 0||-|-|1 0-5 0.000 0.050 120.000 1.500 0.000 "
       "50.000;"},
      // A drop after a rise: its time is the descent's, whatever came before the rise.
      {"down after up",
       {at(0, 100, 0), at(1, 130, 1), at(2, 120, 2)},
       "10.000 0.051 60.000|120.000 3.279 0.000 0||0-2 0.000 0.109 18.298|-|1 0-2 0.000 0.109 "
       "120.000 3.279 30.000 10.000;"},
      // Straight up, 1 km a pair: the kilometres end on points, and no remainder is left. The
      // second pair takes no time: not moving, no pause, and its split has no speed.
      {"splits ending on points",
       {at(0, 100, 0), at(0, 1100, 10), at(0, 2100, 10)},
       "0.000 0.000 0.000|600.000 6.000 0.000 0||0-1 0.000 1.000 100.000|-|1 0-1 0.000 1.000 "
       "600.000 6.000 1000.000 0.000;2 1-2 1.000 1.000 0.000 - 1000.000 0.000;"},
  };
  for (const auto& c : cases) {
    Percorso t;
    t.Punti = c.points;
    EXPECT_EQ(digest(computeTripDetails(t)), c.digest) << c.what;
  }
  Percorso jump;  // a damaged file's point 1e300 degrees away: the splits stay bounded
  jump.Punti = {at(0, 100, 0), {1e300, 7, 100, kDay0}};
  EXPECT_EQ(computeTripDetails(jump).splits.size(), std::size_t{kMostSplits});
}

// On every sample with times: moving time within the duration, splits adding up to distance
// and timed time; stopped time less the pauses is the short stops (under 60 s, real tracks
// have many) and the duration no pair spans forward in time (some tracks run back in time).
struct TimeSums {
  double timed, shortStops, unspanned;
};

TimeSums timeSums(const std::vector<Punto>& p, double duration) {
  TimeSums t{0, 0, duration};
  double run = 0;
  for (std::size_t i = 1; i <= p.size(); ++i) {
    const bool timed = i < p.size() && p[i - 1].Altitudine != 0 && p[i].Altitudine != 0 &&
                       p[i - 1].DataOra != 0 && p[i].DataOra != 0;
    const double dt = timed ? (p[i].DataOra - p[i - 1].DataOra) * 86400 : -1;
    t.timed += timed ? dt : 0;
    t.unspanned -= dt > 0 ? dt : 0;
    const bool slow = dt == 0 || (dt > 0 && Distanza(p[i - 1], p[i]) * 3600 < dt);
    t.shortStops += !slow && run < 60 - 1e-3 ? run : 0;
    run = slow ? run + dt : 0;
  }
  return t;
}

TEST(TripDetails, AddsUpOnEverySampleWithTimes) {
  for (const char* format : {"gpx", "plt", "fit", "tcx", "igc"}) {
    const std::filesystem::path folder = std::filesystem::path(VIANORA_SAMPLES_SHARED) / format;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
      Percorsi store;
      importFile(store, file.path().string(), readerForFile(ReaderKind::None, file.path()), {});
      for (const Percorso& trip : store.trips()) {
        const TripStatistics s = computeTripStatistics(trip);
        const TripDetails d = computeTripDetails(trip);
        double km = 0, seconds = 0;
        for (const Split& k : d.splits) km += k.km, seconds += k.seconds.value_or(0);
        EXPECT_NEAR(km, s.DistanzaTotale, 1e-9 * (1 + km)) << file;
        if (!d.movingSeconds) continue;
        const TimeSums t = timeSums(trip.Punti, *s.duration() * 86400);
        const double timedOrNone = d.splits.empty() ? 0 : t.timed;  // no distance, no split
        EXPECT_NEAR(seconds, timedOrNone, 1e-6 * (1 + std::abs(t.timed))) << file;
        EXPECT_GE(*d.movingSeconds, 0) << file;
        EXPECT_LE(*d.movingSeconds, *s.duration() * 86400 + 1e-6) << file;
        EXPECT_NEAR(*d.stoppedSeconds - d.pausedSeconds, t.shortStops + t.unspanned, 1e-3) << file;
      }
    }
  }
}

}  // namespace
}  // namespace vianora
