#include "core/analysis/steepest_stretch.h"

namespace vianora {

namespace {

// Sums of many pair distances may miss 100 m by a rounding error: a stretch shorter by less
// than a micrometre still reaches it.
constexpr double kStretchToleranceKm = 1e-9;

}  // namespace

void SteepestFinder::Steepest::offer(double gain, const TripCursor& a, const TripCursor& b) {
  // Only a rise counts, and only a steeper one: on ties the earlier stays.
  if (!(gain > 0) || gain * km <= rise * (b.km - a.km)) return;
  *this = {gain, b.km - a.km, a, b, true};
}

bool SteepestFinder::isCountingPoint(std::size_t i) const {
  const std::vector<Punto>& p = points_;
  return (i > 0 && pairCounts(p[i - 1], p[i])) || (i + 1 < p.size() && pairCounts(p[i], p[i + 1]));
}

void SteepestFinder::reach(std::size_t i, double km, double d) {
  distances_[i % kKeptPairs] = d;
  const TripCursor end{i, km};
  while (start_.index < i && km - start_.km >= kGradientStretchKm - kStretchToleranceKm) {
    if (isCountingPoint(start_.index)) {
      const double rise = points_[i].Altitudine - points_[start_.index].Altitudine;
      up_.offer(rise, start_, end);
      down_.offer(-rise, start_, end);
    }
    advanceStart(i);
  }
}

// The start moves one pair on, taking its distance from those kept while it is among them.
void SteepestFinder::advanceStart(std::size_t reached) {
  const std::size_t next = start_.index + 1;
  if (reached - next < kKeptPairs) {
    start_.km += distances_[next % kKeptPairs];
    start_.index = next;
  } else {
    start_.advance(points_);
  }
}

std::optional<Gradient> SteepestFinder::gradient(const Steepest& s) const {
  if (!s.found) return std::nullopt;
  Gradient g;
  g.where = {s.from.index, s.to.index, s.from.km};
  g.lengthKm = s.to.km - s.from.km;
  const double rise = points_[s.to.index].Altitudine - points_[s.from.index].Altitudine;
  g.percent = rise / (g.lengthKm * kMetresPerKm) * 100.0;
  return g;
}

SteepestStretches SteepestFinder::result() const { return {gradient(up_), gradient(down_)}; }

}  // namespace vianora
