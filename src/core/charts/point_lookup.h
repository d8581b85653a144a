#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/analysis/trip_statistics.h"
#include "core/store/percorso.h"

namespace vianora {

/// Where each point of a trip stands along the Profile and Distance charts, built once per
/// "Refresh" so that the point under the mouse is found in O(log n). Point numbers are kept in
/// 32 bits: a trip of 2^32 points or more keeps its distance runs but finds no point.
class TripPointLookup {
 public:
  TripPointLookup() = default;
  TripPointLookup(const Percorso& trip, const TripStatistics& stats);

  /// Points of the trip it was built for.
  std::size_t size() const { return distanceRun_.size(); }

  /// The distance run up to a point as the profile draws it, km: the sum of the pairs before
  /// it whose altitudes are both other than 0.
  double distanceRun(std::size_t point) const { return distanceRun_[point]; }

  /// The point the profile draws nearest to `km` along its distance axis, among the points
  /// with an altitude other than 0; on a tie (equal distances) the earlier point. None when
  /// no point has an altitude.
  std::optional<std::size_t> nearestByDistance(double km) const;

  /// The point the Distance chart draws nearest to `days` elapsed since the start point,
  /// among the points with an altitude other than 0 and a time; on a tie the earlier point.
  /// Times need not grow along the trip. None when no such point exists.
  std::optional<std::size_t> nearestByElapsed(double days) const;

 private:
  void sortByTime();

  std::vector<double> distanceRun_;        // per point
  std::vector<std::uint32_t> byDistance_;  // points with an altitude, in point order
  std::vector<std::uint32_t> byTime_;      // points with an altitude and a time, by time then index
  std::vector<double> times_;              // elapsed days of byTime_, in its order
};

}  // namespace vianora
