#pragma once

#include <cstddef>
#include <vector>

#include "core/analysis/pair_walk.h"
#include "core/analysis/trip_details.h"
#include "core/util/time_units.h"

namespace vianora {

/// Cuts the counting distance of a trip into splits of kSplitKm and the remainder, as the
/// counting pairs are given in the trip's order. A boundary inside a pair cuts it: its time
/// and altitude are taken as changing linearly along its distance. A split's time is given
/// when `timed` (the trip has a timed counting pair); untimed pairs add none.
class SplitMaker {
 public:
  explicit SplitMaker(const std::vector<Punto>& points) : points_(points) {}

  /// Adds the counting pair ending at point i, of distance d, starting `km` into the trip.
  void addPair(std::size_t i, double km, double d) {
    if (open_ && km + d <= current_.where.startKm + kSplitKm) return addPart(i, 0.0, 1.0);
    addCutPair(i, km, d);
  }
  /// The splits of a trip of this distance; the maker is spent.
  std::vector<Split> finish(double totalKm, bool timed);

 private:
  void addCutPair(std::size_t i, double km, double d);
  void open(std::size_t first, double startKm);
  // Adds the fractions [from, to] of the pair ending at point i.
  void addPart(std::size_t i, double from, double to) {
    const Punto& a = points_[i - 1];
    const Punto& b = points_[i];
    const double rise = (to - from) * (b.Altitudine - a.Altitudine);
    (rise > 0 ? current_.ascent : current_.descent) += rise > 0 ? rise : -rise;
    if (pairTimed(a, b)) seconds_ += (to - from) * (b.DataOra - a.DataOra) * kSecondsPerDay;
    current_.where.lastPoint = i;
  }
  void close(std::size_t last, double km);

  const std::vector<Punto>& points_;
  bool open_ = false;
  Split current_;
  double seconds_ = 0.0;
  std::vector<Split> splits_;
};

}  // namespace vianora
