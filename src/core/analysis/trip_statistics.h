#pragma once

#include <cstddef>
#include <optional>

#include "core/store/percorso.h"
#include "core/util/time_units.h"

namespace vianora {

/// Segment speeds from this many km/h on are taken as GPS errors.
inline constexpr double kMaxCredibleSpeedKmh = 200.0;
/// The same in km per day, the unit of speeds between day numbers (4800).
inline constexpr double kMaxCredibleSpeedKmPerDay = kMaxCredibleSpeedKmh * kHoursPerDay;

/// Where the altitude extremes start before any point is offered: a maximum of 1 m, and a
/// minimum of 8844.43 m, Everest's height, above any real track. A trip without a counting
/// pair keeps them, and shows "N.C." instead.
inline constexpr double kAltitudeMaxSeed = 1.0;
inline constexpr double kAltitudeMinSeed = 8844.43;

/// The statistics of one trip, as the trip window keeps them for its charts.
///
/// Only pairs of consecutive points whose altitudes are both other than exactly 0 count, and
/// the extremes are taken over both points of each counting pair, the earlier point first, so
/// that on ties the earlier point stays. A point's kilometre is the distance run up to it.
/// Start and end are taken over the points that carry a time (a day number other than 0).
struct TripStatistics {
  double Dislivello = 0.0;                  ///< total ascent: sum of the rises, metres
  double DistanzaTotale = 0.0;              ///< total distance, km
  double AltitudineMax = kAltitudeMaxSeed;  ///< maximum altitude, metres
  double AltitudineMin = kAltitudeMinSeed;  ///< minimum altitude, metres
  double VelocitaMax = 0.0;                 ///< fastest segment below 200 km/h, km per day
  std::size_t IdxLonMin = 0;                ///< point with the smallest longitude
  std::size_t IdxLatMin = 0;                ///< point with the smallest latitude
  std::size_t IdxLonMax = 0;                ///< point with the largest longitude
  std::size_t IdxLatMax = 0;                ///< point with the largest latitude
  double DistVelocitaMax = 0.0;             ///< distance run when the maximum speed was reached, km
  double DistAltitudineMax = 0.0;           ///< distance run up to the maximum altitude, km
  double DistAltitudineMin = 0.0;           ///< distance run up to the minimum altitude, km
  std::size_t IdxInizio = 0;                ///< start point: earliest date-time (0 without times)
  std::size_t IdxFine = 0;                  ///< end point: latest date-time (0 without times)
  double climbDistance = 0.0;               ///< distance of the climbing pairs, km
  double climbTime = 0.0;  ///< time of the climbing pairs whose points both carry one, days

  /// Some pair counted: the altitude and position extremes name real points.
  bool hasCountingPair = false;
  /// Start and end name points that carry a time. Without a counting pair, point 0 stands
  /// for both when it carries one.
  bool hasTimes = false;
  double startDay = 0.0;  ///< date-time of the start point, day number (0 without times)
  double endDay = 0.0;    ///< date-time of the end point, day number (0 without times)

  /// End minus start, days; no value without times.
  std::optional<double> duration() const;
  /// Average speed in km/h over the whole duration; no value without times or duration.
  std::optional<double> averageSpeedKmh() const;
  /// The maximum speed in km/h.
  double maxSpeedKmh() const { return VelocitaMax / kHoursPerDay; }
};

/// Computes the statistics of a trip in one pass over its points. No allocation, no limit on
/// the number of points.
TripStatistics computeTripStatistics(const Percorso& trip);

}  // namespace vianora
