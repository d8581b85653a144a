#include "core/analysis/trip_details.h"

#include "core/analysis/pair_walk.h"
#include "core/analysis/steepest_stretch.h"
#include "core/analysis/trip_splits.h"
#include "core/analysis/trip_statistics.h"
#include "core/util/time_units.h"

namespace vianora {

namespace {

// Day numbers hold a time of day to about a microsecond: a run of whole seconds that adds up
// to 60 s may come out a hair short, so lengths are compared to the millisecond.
constexpr double kPauseToleranceSeconds = 1e-3;

// The sums of one pass over the counting pairs.
struct PairSums {
  TripDetails details;
  bool timed = false;  // some counting pair is timed
  double movingSeconds = 0.0;
  double movingKm = 0.0;
  std::optional<Pause> run;  // the run of pairs that are not moving, while one is open
};

void endRun(PairSums& s) {
  if (s.run && s.run->seconds >= kShortestPauseSeconds - kPauseToleranceSeconds) {
    s.details.pauses.push_back(*s.run);
    s.details.pausedSeconds += s.run->seconds;
  }
  s.run.reset();
}

// A timed pair that is not moving opens a run or lengthens it; a moving pair ends it.
void timePair(PairSums& s, const std::vector<Punto>& p, std::size_t i, double km, double d) {
  const double seconds = (p[i].DataOra - p[i - 1].DataOra) * kSecondsPerDay;
  s.timed = true;
  if (p[i].Altitudine < p[i - 1].Altitudine) s.details.descentSeconds.value() += seconds;
  const bool moving = seconds > 0 && d / (seconds / kSecondsPerHour) >= kMovingSpeedKmh;
  if (moving) {
    s.movingSeconds += seconds;
    s.movingKm += d;
  }
  if (moving || seconds < 0) return endRun(s);
  if (!s.run) s.run = Pause{{i - 1, i, km}, p[i - 1].DataOra, 0.0};
  s.run->where.lastPoint = i;
  s.run->seconds += seconds;
}

PairSums sumPairs(const std::vector<Punto>& p) {
  PairSums s;
  s.details.descentSeconds = 0.0;
  TripCursor cursor;
  while (cursor.index + 1 < p.size()) {
    const double km = cursor.km;
    cursor.advance(p);
    const std::size_t i = cursor.index;
    const double d = cursor.km - km;
    if (!pairCounts(p[i - 1], p[i]) || !pairTimed(p[i - 1], p[i])) endRun(s);
    if (!pairCounts(p[i - 1], p[i])) continue;
    if (p[i].Altitudine < p[i - 1].Altitudine) {
      s.details.descent += p[i - 1].Altitudine - p[i].Altitudine;
      s.details.descentKm += d;
    }
    if (pairTimed(p[i - 1], p[i])) timePair(s, p, i, km, d);
  }
  endRun(s);
  return s;
}

}  // namespace

TripDetails computeTripDetails(const Percorso& trip) {
  PairSums s = sumPairs(trip.Punti);
  TripDetails& t = s.details;
  if (s.timed) {
    t.movingSeconds = s.movingSeconds;
    if (s.movingSeconds > 0) t.movingSpeedKmh = s.movingKm / (s.movingSeconds / kSecondsPerHour);
    const std::optional<double> days = computeTripStatistics(trip).duration();
    t.stoppedSeconds = days.value_or(0.0) * kSecondsPerDay - s.movingSeconds;
  } else {
    t.descentSeconds.reset();
  }
  const SteepestStretches steepest = findSteepestStretches(trip.Punti);
  t.steepestClimb = steepest.climb;
  t.steepestDescent = steepest.descent;
  t.splits = splitTrip(trip.Punti, s.timed);
  return std::move(t);
}

}  // namespace vianora
