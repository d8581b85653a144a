#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/util/number_format.h"

namespace vianora {

/// How the statistics are written: the number separators, and the general text of a
/// date-time (the windows use the user's locale, the command-line tool ISO 8601).
struct DisplayFormat {
  Separators separators;
  std::function<std::string(double dayNumber)> dateTime;
};

/// The text of a figure that cannot be computed: the average speed of a trip without a
/// duration, times of a trip whose points carry none, altitudes of a trip without a counting
/// pair.
inline constexpr std::string_view kNotComputable = "N.C.";

/// The fourteen texts of the statistics boxes, one per box.
struct StatisticsTexts {
  std::string ascent;         ///< txtDislivello, "#,##0.0" metres
  std::string altitudeMax;    ///< txtEleMax, "#,##0.0" metres
  std::string altitudeMin;    ///< txtEleMin, "#,##0.0" metres
  std::string altitudeMaxKm;  ///< txtDistEleMax, "#,##0.000" km
  std::string altitudeMinKm;  ///< txtDistEleMin, "#,##0.000" km
  std::string distance;       ///< txtDistanza, "#,##0.000" km
  std::string climbDistance;  ///< txtDistSalita, "#,##0.000" km
  std::string climbTime;      ///< txtTimeSalita, total "hh:mm:ss"
  std::string start;          ///< txtInizio, general date-time text
  std::string end;            ///< txtFine, general date-time text
  std::string duration;       ///< txtDurata, total "hh:mm:ss"
  std::string averageSpeed;   ///< txtVelocita, "#,##.000" km/h or "N.C."
  std::string maxSpeed;       ///< txtVelocitaMax, "#,##.000" km/h
  std::string maxSpeedKm;     ///< txtDistMaxVel, "#,##0.000" km
};

StatisticsTexts statisticsTexts(const TripStatistics& stats, const DisplayFormat& format);

}  // namespace vianora
