#include "core/analysis/trip_details.h"

#include "core/analysis/distanza.h"
#include "core/analysis/pair_walk.h"
#include "core/analysis/steepest_stretch.h"
#include "core/analysis/trip_splits.h"
#include "core/util/time_units.h"

namespace vianora {

namespace {

// Day numbers hold a time of day to about a microsecond: a run of whole seconds that adds up
// to 60 s may come out a hair short, so lengths are compared to the millisecond.
constexpr double kPauseToleranceSeconds = 1e-3;

// The sums of one pass over the counting pairs.
struct PairSums {
  explicit PairSums(const std::vector<Punto>& points) : splits(points), steepest(points) {}

  TripDetails details;
  SplitMaker splits;
  SteepestFinder steepest;
  double km = 0.0;
  double firstDay = 0.0;  // the earliest and latest time of a point of a counting pair
  double lastDay = 0.0;
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
  // At least kMovingSpeedKmh, compared without a division.
  const bool moving = seconds > 0 && d * kSecondsPerHour >= kMovingSpeedKmh * seconds;
  if (moving) {
    s.movingSeconds += seconds;
    s.movingKm += d;
  }
  if (moving || seconds < 0) return endRun(s);
  if (!s.run) s.run = Pause{{i - 1, i, km}, p[i - 1].DataOra, 0.0};
  s.run->where.lastPoint = i;
  s.run->seconds += seconds;
}

// The duration is taken as the statistics take it: over the points of counting pairs.
void offerTime(PairSums& s, double day) {
  if (day == 0) return;
  if (s.firstDay == 0 || day < s.firstDay) s.firstDay = day;
  if (s.lastDay == 0 || day > s.lastDay) s.lastDay = day;
}

// The counting distance of the pair ending at point i: 0 for a pair that does not count.
double pairKm(const std::vector<Punto>& p, std::size_t i) {
  return pairCounts(p[i - 1], p[i]) ? Distanza(p[i], p[i - 1]) : 0.0;
}

PairSums sumPairs(const std::vector<Punto>& p) {
  PairSums s(p);
  s.details.descentSeconds = 0.0;
  // Each pair's distance is measured one pair ahead, so that its square root and division
  // overlap the work on the pair before.
  double next = p.size() > 1 ? pairKm(p, 1) : 0.0;
  for (std::size_t i = 1; i < p.size(); ++i) {
    const double d = next;
    if (i + 1 < p.size()) next = pairKm(p, i + 1);
    const double km = s.km;
    s.km += d;
    s.steepest.reach(i, s.km, d);
    if (!pairCounts(p[i - 1], p[i]) || !pairTimed(p[i - 1], p[i])) endRun(s);
    if (!pairCounts(p[i - 1], p[i])) continue;
    offerTime(s, p[i - 1].DataOra);
    offerTime(s, p[i].DataOra);
    s.splits.addPair(i, km, d);
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
    t.stoppedSeconds = (s.lastDay - s.firstDay) * kSecondsPerDay - s.movingSeconds;
  } else {
    t.descentSeconds.reset();
  }
  const SteepestStretches steepest = s.steepest.result();
  t.steepestClimb = steepest.climb;
  t.steepestDescent = steepest.descent;
  t.splits = s.splits.finish(s.km, s.timed);
  return std::move(t);
}

}  // namespace vianora
