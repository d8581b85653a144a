#include "core/analysis/trip_splits.h"

namespace vianora {

void SplitMaker::addCutPair(std::size_t i, double km, double d) {
  if (!open_) open(i - 1, 0.0);
  double from = 0.0;  // the part of the pair already given to earlier splits
  while (km + d > current_.number * kSplitKm && current_.number < kMostSplits) {
    const double cut = (current_.number * kSplitKm - km) / d;
    addPart(i, from, cut);
    close(cut > 0 ? i : i - 1, kSplitKm);  // a cut at the pair's start leaves it out
    open(i - 1, current_.number * kSplitKm);
    from = cut;
  }
  addPart(i, from, 1.0);
}

std::vector<Split> SplitMaker::finish(double totalKm, bool timed) {
  const double rest = totalKm - current_.where.startKm;
  if (open_ && rest > 0) close(current_.where.lastPoint, rest);
  if (!timed) {
    for (Split& split : splits_) split.seconds = split.speedKmh = std::nullopt;
  }
  return std::move(splits_);
}

void SplitMaker::open(std::size_t first, double startKm) {
  const int number = open_ ? current_.number + 1 : 1;
  current_ = Split{};
  current_.number = number;
  current_.where = {first, first, startKm};
  seconds_ = 0.0;
  open_ = true;
}

void SplitMaker::close(std::size_t last, double km) {
  current_.where.lastPoint = last;
  current_.km = km;
  current_.seconds = seconds_;
  if (seconds_ > 0) current_.speedKmh = km / (seconds_ / kSecondsPerHour);
  splits_.push_back(current_);
}

}  // namespace vianora
