#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/store/percorso.h"

namespace vianora {

/// The trip store: every trip of every file read, addressed by index from 0.
///
/// The readers change it only through startTrip(), addPoint() and resetPoints(), which keep
/// its invariants: there is always a trip 0, every trip always holds a point 0, the store
/// counts as empty while trip 0 has no name, a trip counts as having no points while the
/// latitude of its point 0 is exactly 0.0, and a reader always works on the last trip and
/// its last point. Nothing removes a trip.
class Percorsi {
 public:
  /// A fresh store: one unnamed trip with one zeroed point.
  Percorsi();

  /// A store to read one file into on its own, for takeFileRead() to add to a store that is
  /// not empty. Its trip 0 stands in for that store's last trip, which a file may change
  /// before its first trip starts (a GPX file's declaration sets its version and encoding, a
  /// name or a time outside any track sets its name or its last point's time). The stand-in
  /// holds values no reader writes (texts of a line feed, the lowest int32, a signalling NaN
  /// in each value of its one point), so that takeFileRead can tell which of them the file set.
  static Percorsi standingIn();

  /// Adds what reading a file into `read` (a store from standingIn()) did, as if the file had
  /// been read into this store: the values the file set on the stand-in and its point go to
  /// the last trip and its last point, and the trips it brought are appended. False, with
  /// nothing changed, when that cannot be told from `read`: this store is empty (its trip 0
  /// would have taken the file's first trip), or the file added to or dropped the stand-in's
  /// points, or started a trip after renaming the stand-in to nothing. The file must then be
  /// read into this store.
  bool takeFileRead(Percorsi&& read);

  std::size_t size() const { return trips_.size(); }
  const Percorso& operator[](std::size_t index) const { return trips_[index]; }
  const std::vector<Percorso>& trips() const { return trips_; }

  /// True while the store is as constructed: nothing was read into it or changed, so that a
  /// file read into another fresh store could take its place.
  bool isFresh() const;

  /// True while trip 0 has no name: the first trip read goes into it.
  bool isEmpty() const { return trips_.front().Nome.empty(); }

  /// Where the trips of the next file read begin: trip 0 while the store is empty (the first
  /// trip read fills it), else past the last trip.
  std::size_t nextTripIndex() const { return isEmpty() ? 0 : size(); }

  /// The first trip at or after `first` that has points.
  std::optional<std::size_t> firstTripWithPoints(std::size_t first) const;

  /// Records `path` as the file of every trip from `first` on that names no file yet. Not
  /// while the store is empty: its unnamed trip 0 is filled by the next file read.
  void recordSourceFile(std::size_t first, const std::string& path);

  /// Starts a trip: appends one unless the store is still empty, and returns the last trip.
  Percorso& startTrip();

  /// Adds a point to the last trip and returns it. While the trip's point 0 has latitude
  /// exactly 0.0 the points are recreated as one point whose latitude is 1.0, a placeholder
  /// that marks the slot as taken until the reader stores the real value.
  Punto& addPoint();

  /// Makes room for `count` points in the last trip, so that a reader that can tell how many
  /// points follow adds them without the trip's points being moved as they grow.
  void reservePoints(std::size_t count);

  /// Drops every point of the last trip, leaving one zeroed point.
  void resetPoints();

  Percorso& lastTrip() { return trips_.back(); }
  Punto& lastPoint() { return trips_.back().Punti.back(); }

 private:
  // Whether a point is added or the points dropped depends on the real trip's points:
  // takeFileRead() cannot replay that on the stand-in.
  void notePointsChange() {
    if (standIn_ && trips_.size() == 1) replayable_ = false;
  }

  std::vector<Percorso> trips_;
  bool standIn_ = false;    // trip 0 stands in for the last trip of another store
  bool replayable_ = true;  // what the file did to the stand-in can be told from it
};

}  // namespace vianora
