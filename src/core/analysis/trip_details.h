#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/store/percorso.h"

namespace vianora {

// The figures beyond the statistics: descent, moving time, pauses, gradients and splits. They
// are taken over the same counting pairs as the statistics (consecutive points whose altitudes
// are both other than exactly 0), with the same distance measure (Distanza). A pair is timed
// when both its points carry a time (a day number other than 0).

/// A timed pair is moving when its speed is at least this.
inline constexpr double kMovingSpeedKmh = 1.0;
/// A run of pairs that are not moving is a pause when it lasts at least this in all.
inline constexpr double kShortestPauseSeconds = 60.0;
/// Gradients are measured over stretches of at least this distance.
inline constexpr double kGradientStretchKm = 0.1;
/// The length of a split.
inline constexpr double kSplitKm = 1.0;
/// At most this many splits: the last then holds the rest of the distance. Only a damaged
/// file's trip runs further (a point a hundred degrees off), and its splits stay bounded.
inline constexpr int kMostSplits = 100'000;

/// Where on the trip something is: its first and last point, and the distance run up to its
/// start (km).
struct TripStretch {
  std::size_t firstPoint = 0;
  std::size_t lastPoint = 0;
  double startKm = 0.0;
};

/// A maximal run of consecutive timed counting pairs that are not moving, lasting at least
/// kShortestPauseSeconds (to the millisecond): standing still, or a gap in the recording with
/// little distance. A pair of no time (two points of the same second) stays in a run; a run
/// ends at a moving pair, at a pair back in time, and at a pair that does not count or is not
/// timed, since nothing tells whether the trip stood still across those.
struct Pause {
  TripStretch where;
  double startDay = 0.0;  ///< the date-time of its first point, day number
  double seconds = 0.0;   ///< its length: the time of its pairs
};

/// The steepest stretch of at least kGradientStretchKm, uphill or downhill: from each point of a
/// counting pair, the shortest stretch reaching it (both ends points of counting pairs, the
/// distance that of the counting pairs between them). A stretch that neither rises nor drops
/// is neither; on ties the earlier stays.
struct Gradient {
  TripStretch where;
  double lengthKm = 0.0;  ///< the stretch's distance
  double percent = 0.0;   ///< rise (negative downhill) over distance, in percent
};

/// One kilometre of the trip's distance, or the remainder after the last whole one. A split's
/// boundary inside a pair cuts it: the pair's time and altitude are taken as changing linearly
/// along its distance.
struct Split {
  int number = 0;     ///< 1 for the first kilometre, and so on; the remainder is the last
  TripStretch where;  ///< the points that cover it, the pairs it cuts included
  double km = 0.0;    ///< its length: kSplitKm, or less for the remainder
  std::optional<double> seconds;   ///< its time; no value when the trip has no timed pair
  std::optional<double> speedKmh;  ///< its average speed; no value without a time above 0
  double ascent = 0.0;             ///< the rises within it, metres
  double descent = 0.0;            ///< the drops within it, metres
};

/// The figures of one trip.
struct TripDetails {
  double descent = 0.0;                  ///< sum of the drops, metres
  double descentKm = 0.0;                ///< distance of the descending pairs
  std::optional<double> descentSeconds;  ///< time of the timed descending pairs
  std::optional<double> movingSeconds;   ///< time of the moving pairs
  std::optional<double> movingSpeedKmh;  ///< distance of the moving pairs over their time
  std::optional<double> stoppedSeconds;  ///< the duration less the moving time
  std::vector<Pause> pauses;             ///< in the trip's order
  double pausedSeconds = 0.0;            ///< the pauses' lengths added up
  std::optional<Gradient> steepestClimb;
  std::optional<Gradient> steepestDescent;
  std::vector<Split> splits;  ///< in the trip's order, at most kMostSplits; none without distance
};

/// Computes the figures of a trip in one pass over its points, allocating only for the pauses
/// and splits. The duration is the statistics' (earliest to latest time of a point of a
/// counting pair). A trip without a timed counting pair has no value for any time.
TripDetails computeTripDetails(const Percorso& trip);

}  // namespace vianora
