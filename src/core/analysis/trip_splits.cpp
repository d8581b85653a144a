#include "core/analysis/trip_splits.h"

#include "core/analysis/pair_walk.h"
#include "core/util/time_units.h"

namespace vianora {

namespace {

class SplitMaker {
 public:
  SplitMaker(const std::vector<Punto>& points, bool timed) : points_(points), timed_(timed) {}

  // Adds the counting pair ending at point i, which starts `km` into the trip.
  void addPair(std::size_t i, double km, double d) {
    if (!open_) open(i - 1, 0.0);
    double from = 0.0;  // the part of the pair already given to earlier splits
    while (km + d > current_.number * kSplitKm) {
      const double cut = (current_.number * kSplitKm - km) / d;
      addPart(i, from, cut);
      close(cut > 0 ? i : i - 1, kSplitKm);  // a cut at the pair's start leaves it out
      open(i - 1, current_.number * kSplitKm);
      from = cut;
    }
    addPart(i, from, 1.0);
  }

  std::vector<Split> finish(double totalKm) {
    const double rest = totalKm - current_.where.startKm;
    if (open_ && rest > 0) close(current_.where.lastPoint, rest);
    return std::move(splits_);
  }

 private:
  void open(std::size_t first, double startKm) {
    const int number = open_ ? current_.number + 1 : 1;
    current_ = Split{};
    current_.number = number;
    current_.where = {first, first, startKm};
    seconds_ = 0.0;
    open_ = true;
  }

  // The fractions [from, to] of the pair ending at point i.
  void addPart(std::size_t i, double from, double to) {
    const Punto& a = points_[i - 1];
    const Punto& b = points_[i];
    const double rise = (to - from) * (b.Altitudine - a.Altitudine);
    (rise > 0 ? current_.ascent : current_.descent) += rise > 0 ? rise : -rise;
    if (pairTimed(a, b)) seconds_ += (to - from) * (b.DataOra - a.DataOra) * kSecondsPerDay;
    current_.where.lastPoint = i;
  }

  void close(std::size_t last, double km) {
    current_.where.lastPoint = last;
    current_.km = km;
    if (timed_) {
      current_.seconds = seconds_;
      if (seconds_ > 0) current_.speedKmh = km / (seconds_ / kSecondsPerHour);
    }
    splits_.push_back(current_);
  }

  const std::vector<Punto>& points_;
  bool timed_;
  bool open_ = false;
  Split current_;
  double seconds_ = 0.0;
  std::vector<Split> splits_;
};

}  // namespace

std::vector<Split> splitTrip(const std::vector<Punto>& points, bool timed) {
  SplitMaker maker(points, timed);
  TripCursor cursor;
  while (cursor.index + 1 < points.size()) {
    const double km = cursor.km;
    cursor.advance(points);
    const std::size_t i = cursor.index;
    if (pairCounts(points[i - 1], points[i])) maker.addPair(i, km, cursor.km - km);
  }
  return maker.finish(cursor.km);
}

}  // namespace vianora
