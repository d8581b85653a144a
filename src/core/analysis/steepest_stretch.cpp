#include "core/analysis/steepest_stretch.h"

#include "core/analysis/pair_walk.h"

namespace vianora {

namespace {

// Sums of many pair distances may miss 100 m by a rounding error: a stretch shorter by less
// than a micrometre still reaches it.
constexpr double kStretchToleranceKm = 1e-9;

bool isCountingPoint(const std::vector<Punto>& p, std::size_t i) {
  return (i > 0 && pairCounts(p[i - 1], p[i])) || (i + 1 < p.size() && pairCounts(p[i], p[i + 1]));
}

Gradient stretchBetween(const std::vector<Punto>& p, const TripCursor& from, const TripCursor& to) {
  Gradient g;
  g.where = {from.index, to.index, from.km};
  g.lengthKm = to.km - from.km;
  const double rise = p[to.index].Altitudine - p[from.index].Altitudine;
  g.percent = rise / (g.lengthKm * kMetresPerKm) * 100.0;
  return g;
}

void offer(SteepestStretches& s, const Gradient& g) {
  if (g.percent > 0 && (!s.climb || g.percent > s.climb->percent)) s.climb = g;
  if (g.percent < 0 && (!s.descent || g.percent < s.descent->percent)) s.descent = g;
}

}  // namespace

SteepestStretches findSteepestStretches(const std::vector<Punto>& points) {
  SteepestStretches s;
  const double reach = kGradientStretchKm - kStretchToleranceKm;
  TripCursor end;
  for (TripCursor start; start.index + 1 < points.size(); start.advance(points)) {
    if (!isCountingPoint(points, start.index)) continue;
    if (end.index < start.index) end = start;
    while (end.km - start.km < reach && end.index + 1 < points.size()) end.advance(points);
    if (end.km - start.km < reach) break;  // no later start reaches it either
    offer(s, stretchBetween(points, start, end));
  }
  return s;
}

}  // namespace vianora
