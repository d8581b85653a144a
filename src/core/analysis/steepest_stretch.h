#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/analysis/pair_walk.h"
#include "core/analysis/trip_details.h"

namespace vianora {

/// The steepest climb and the steepest descent of a trip.
struct SteepestStretches {
  std::optional<Gradient> climb;
  std::optional<Gradient> descent;
};

/// Finds the steepest stretches as a trip's points are reached in order: for each point of a
/// counting pair, the shortest stretch from it that reaches kGradientStretchKm of counting
/// distance (it ends at a point of a counting pair too); the steepest of these uphill and
/// downhill, the earlier on ties. The stretches' start follows a few pairs behind; the
/// distances of the last pairs reached are kept, so that it measures them again only when a
/// stretch spans more pairs than that. No allocation.
class SteepestFinder {
 public:
  explicit SteepestFinder(const std::vector<Punto>& points) : points_(points) {}

  /// Point i (from 1 on) is reached, `km` into the trip; `d` is the distance of the pair
  /// ending at it (0 for a pair that does not count).
  void reach(std::size_t i, double km, double d);
  SteepestStretches result() const;

 private:
  // The steepest stretch so far one way, kept as its rise (m) and length (km) so that a
  // candidate is compared by two products, without a division for every point.
  struct Steepest {
    double rise = 0.0;
    double km = 1.0;
    TripCursor from, to;
    bool found = false;
    void offer(double gain, const TripCursor& a, const TripCursor& b);
  };

  bool isCountingPoint(std::size_t i) const;
  void advanceStart(std::size_t reached);
  std::optional<Gradient> gradient(const Steepest& s) const;

  static constexpr std::size_t kKeptPairs = 1024;
  const std::vector<Punto>& points_;
  TripCursor start_;
  std::array<double, kKeptPairs> distances_{};  // of the pair ending at point j, at j % size
  Steepest up_, down_;                          // down_ keeps the drops as rises
};

}  // namespace vianora
