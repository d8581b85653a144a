#include "core/charts/map_point_lookup.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/charts/route_map.h"

namespace vianora {

namespace {

// Point numbers are kept in 32 bits; a larger map is not looked up rather than misnumbered.
constexpr std::size_t kMostPoints = std::numeric_limits<std::uint32_t>::max();
// Cell numbers of a query far off the map are kept this far out: still exact, never overflowing.
constexpr double kFarthestCell = 1e15;

bool isFinite(PicturePlace p) { return std::isfinite(p.x) && std::isfinite(p.y); }

std::vector<PicturePlace> placesOf(const ChartPicture& map) {
  std::vector<PicturePlace> places;
  if (map.lineSets.size() <= kSegmentsSet) return places;
  const std::vector<ChartLine>& segments = map.lineSets[kSegmentsSet];
  if (segments.empty() || segments.size() >= kMostPoints) return places;
  places.reserve(segments.size() + 1);
  places.push_back({segments.front().x1, segments.front().y1});
  for (const ChartLine& s : segments) places.push_back({s.x2, s.y2});
  return places;
}

struct Bounds {
  double left = 0, top = 0, right = 0, bottom = 0;
};

Bounds boundsOf(const std::vector<PicturePlace>& places) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  Bounds b{inf, inf, -inf, -inf};
  for (const PicturePlace& p : places) {
    if (!isFinite(p)) continue;
    b.left = std::min<double>(b.left, p.x);
    b.top = std::min<double>(b.top, p.y);
    b.right = std::max<double>(b.right, p.x);
    b.bottom = std::max<double>(b.bottom, p.y);
  }
  return b;
}

// Square cells of about one point each; a side at least 1/n of the longer extent keeps a
// flat map from having more cells than three per point.
double cellSizeFor(const Bounds& b, std::size_t points) {
  const double width = b.right - b.left, height = b.bottom - b.top;
  const double n = static_cast<double>(points);
  const double size = std::max(std::sqrt(width * height / n), std::max(width, height) / n);
  return size > 0 && std::isfinite(size) ? size : 1.0;
}

}  // namespace

MapPointLookup::MapPointLookup(const ChartPicture& map) : places_(placesOf(map)) {}

void MapPointLookup::buildGrid() const {
  gridBuilt_ = true;
  const Bounds bounds = boundsOf(places_);
  if (!(bounds.left <= bounds.right)) return;  // no finite place
  left_ = bounds.left;
  top_ = bounds.top;
  cellSize_ = cellSizeFor(bounds, places_.size());
  columns_ = static_cast<std::size_t>((bounds.right - left_) / cellSize_) + 1;
  rows_ = static_cast<std::size_t>((bounds.bottom - top_) / cellSize_) + 1;
  // A counting sort by cell, in point order within each cell.
  const auto cellOf = [&](PicturePlace p) {
    const auto column = std::min(static_cast<std::size_t>((p.x - left_) / cellSize_), columns_ - 1);
    const auto row = std::min(static_cast<std::size_t>((p.y - top_) / cellSize_), rows_ - 1);
    return row * columns_ + column;
  };
  cellStart_.assign(columns_ * rows_ + 1, 0);
  for (const PicturePlace& p : places_)
    if (isFinite(p)) ++cellStart_[cellOf(p) + 1];
  for (std::size_t c = 1; c < cellStart_.size(); ++c) cellStart_[c] += cellStart_[c - 1];
  cellPoints_.resize(cellStart_.back());
  std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
  for (std::size_t i = 0; i < places_.size(); ++i)
    if (isFinite(places_[i]))
      cellPoints_[next[cellOf(places_[i])]++] = static_cast<std::uint32_t>(i);
}

std::optional<std::size_t> MapPointLookup::nearest(double x, double y, double radius) const {
  if (!gridBuilt_) buildGrid();
  if (cellPoints_.empty() || !std::isfinite(x) || !std::isfinite(y) || !(radius >= 0)) {
    return std::nullopt;
  }
  Search search{x, y, radius * radius, std::nullopt};
  const auto cellNumber = [&](double v, double origin) {
    return static_cast<std::int64_t>(
        std::floor(std::clamp((v - origin) / cellSize_, -kFarthestCell, kFarthestCell)));
  };
  const std::int64_t cx = cellNumber(x, left_), cy = cellNumber(y, top_);
  const auto columns = static_cast<std::int64_t>(columns_), rows = static_cast<std::int64_t>(rows_);
  // Rings of cells around the query's cell, from the first that reaches the grid to the last.
  const std::int64_t firstRing =
      std::max({std::int64_t{0}, -cx, cx - (columns - 1), -cy, cy - (rows - 1)});
  const std::int64_t lastRing = std::max({cx, columns - 1 - cx, cy, rows - 1 - cy});
  for (std::int64_t r = firstRing; r <= lastRing; ++r) {
    // Every cell of ring r lies r - 1 whole cells or more from the query along one axis; the
    // slack covers the rounding of cell numbers.
    const double gap = (static_cast<double>(r) - 1.0 - 1e-6) * cellSize_;
    if (gap > 0 && gap * gap > search.bestSquared) break;
    offerRow(search, cy - r, cx - r, cx + r);
    if (r == 0) continue;
    offerRow(search, cy + r, cx - r, cx + r);
    offerColumn(search, cx - r, cy - r + 1, cy + r - 1);
    offerColumn(search, cx + r, cy - r + 1, cy + r - 1);
  }
  return search.best;
}

void MapPointLookup::offerRow(Search& search, std::int64_t row, std::int64_t first,
                              std::int64_t last) const {
  if (row < 0 || row >= static_cast<std::int64_t>(rows_)) return;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, static_cast<std::int64_t>(columns_) - 1);
  for (std::int64_t column = first; column <= last; ++column) {
    offerCell(search, static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(column));
  }
}

void MapPointLookup::offerColumn(Search& search, std::int64_t column, std::int64_t first,
                                 std::int64_t last) const {
  if (column < 0 || column >= static_cast<std::int64_t>(columns_)) return;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, static_cast<std::int64_t>(rows_) - 1);
  for (std::int64_t row = first; row <= last; ++row) {
    offerCell(search, static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(column));
  }
}

void MapPointLookup::offerCell(Search& search, std::size_t cell) const {
  for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
    const std::uint32_t point = cellPoints_[k];
    const double dx = places_[point].x - search.x, dy = places_[point].y - search.y;
    const double squared = dx * dx + dy * dy;
    if (squared < search.bestSquared ||
        (squared == search.bestSquared && (!search.best || point < *search.best))) {
      search.bestSquared = squared;
      search.best = point;
    }
  }
}

}  // namespace vianora
