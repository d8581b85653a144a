#include "core/charts/point_lookup.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <tuple>
#include <utility>

#include "core/analysis/distanza.h"

namespace vianora {

namespace {

// Point numbers are kept in 32 bits; a longer trip is not looked up rather than misnumbered.
constexpr std::size_t kMostPoints = std::numeric_limits<std::uint32_t>::max();

bool hasAltitude(const Punto& p) { return p.Altitudine != 0; }

// The first position at or past `value` of `count` values sorted by key(position).
// (A plain halving: clang's ranges over an iota view do not build with this standard library.)
template <class Key>
std::size_t firstAtLeast(std::size_t count, double value, Key key) {
  std::size_t low = 0, high = count;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (key(middle) < value)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

// The point at the sorted position nearest `value`: of the two positions around it, the
// nearer, on a tie the earlier point. Equal keys sort by point number, so the first position
// of a key holds its earliest point.
template <class Key>
std::optional<std::size_t> nearestSorted(const std::vector<std::uint32_t>& order, double value,
                                         Key key) {
  if (order.empty()) return std::nullopt;
  const std::size_t after = firstAtLeast(order.size(), value, key);
  if (after == 0) return order.front();
  const std::size_t before = firstAtLeast(order.size(), key(after - 1), key);
  if (after == order.size()) return order[before];
  const double below = value - key(before);
  const double above = key(after) - value;
  if (below < above || (below == above && order[before] < order[after])) return order[before];
  return order[after];
}

}  // namespace

TripPointLookup::TripPointLookup(const Percorso& trip, const TripStatistics& stats) {
  const std::vector<Punto>& points = trip.Punti;
  // The run adds each drawn pair's distance as the profile does, so the cursor sits on its ends.
  distanceRun_.resize(points.size());
  double run = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Punto& p = points[i - 1];
    const Punto& q = points[i];
    if (hasAltitude(p) && hasAltitude(q)) run = run + Distanza(q, p);
    distanceRun_[i] = run;
  }
  if (points.size() > kMostPoints) return;
  byDistance_.reserve(points.size());
  byTime_.reserve(points.size());
  times_.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!hasAltitude(points[i])) continue;
    byDistance_.push_back(static_cast<std::uint32_t>(i));
    // An unreadable time has no place on the time axis.
    const double day = points[i].DataOra;
    if (day != 0 && std::isfinite(day)) {
      byTime_.push_back(static_cast<std::uint32_t>(i));
      times_.push_back(day - stats.startDay);
    }
  }
  if (!std::ranges::is_sorted(times_)) sortByTime();  // most logs run forwards
}

// Times that go backwards: the timed points sorted by elapsed time, then by point number.
void TripPointLookup::sortByTime() {
  std::vector<std::pair<double, std::uint32_t>> timed;
  timed.reserve(times_.size());
  for (std::size_t k = 0; k < times_.size(); ++k) timed.emplace_back(times_[k], byTime_[k]);
  std::ranges::sort(timed);
  for (std::size_t k = 0; k < timed.size(); ++k) std::tie(times_[k], byTime_[k]) = timed[k];
}

std::optional<std::size_t> TripPointLookup::nearestByDistance(double km) const {
  return nearestSorted(byDistance_, km,
                       [&](std::size_t k) { return distanceRun_[byDistance_[k]]; });
}

std::optional<std::size_t> TripPointLookup::nearestByElapsed(double days) const {
  return nearestSorted(byTime_, days, [&](std::size_t k) { return times_[k]; });
}

}  // namespace vianora
