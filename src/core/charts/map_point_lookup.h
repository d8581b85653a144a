#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/charts/chart_picture.h"

namespace vianora {

/// A point's place on a picture, twips.
struct PicturePlace {
  float x = 0, y = 0;
  friend bool operator==(const PicturePlace&, const PicturePlace&) = default;
};

/// The points of a drawn map in a grid of cells, so that the point nearest the mouse is found
/// within a frame's time on a million points. The places are taken once per "Refresh"; the
/// grid at the first search, so that a map is shown without waiting for it. Not to be searched
/// from two threads at once before a first search has ended.
class MapPointLookup {
 public:
  MapPointLookup() = default;
  /// From a map drawn by AggiornaGraficoCartina: point 0 at the start of its first segment,
  /// point i at the end of segment i - 1. An empty map has no points, nor has a map of 2^32
  /// points or more (point numbers are kept in 32 bits).
  explicit MapPointLookup(const ChartPicture& map);

  std::size_t size() const { return places_.size(); }
  PicturePlace place(std::size_t point) const { return places_[point]; }

  /// The point nearest (x, y) (picture twips) no farther than radius from it; on a tie the
  /// earlier point. None when no point lies that near. The work grows with the cells nearer
  /// than the nearest point (or the radius, when none is that near).
  std::optional<std::size_t> nearest(double x, double y, double radius) const;

 private:
  // A nearest-point search under way: the query and the best point offered so far.
  struct Search {
    double x, y;
    double bestSquared;  // squared distance of the best point, or of the radius before one
    std::optional<std::size_t> best;
  };
  // Offers the points of the cells of one row (one column) between two cells, clipped to the
  // grid, to a search.
  void offerRow(Search& search, std::int64_t row, std::int64_t first, std::int64_t last) const;
  void offerColumn(Search& search, std::int64_t column, std::int64_t first,
                   std::int64_t last) const;
  void offerCell(Search& search, std::size_t cell) const;
  void buildGrid() const;

  std::vector<PicturePlace> places_;
  // The grid, built at the first search.
  mutable bool gridBuilt_ = false;
  mutable double left_ = 0, top_ = 0, cellSize_ = 1;
  mutable std::size_t columns_ = 0, rows_ = 0;
  mutable std::vector<std::uint32_t> cellStart_;   // per cell, where its points start in cellPoints_
  mutable std::vector<std::uint32_t> cellPoints_;  // point numbers, cell by cell, in point order
};

}  // namespace vianora
