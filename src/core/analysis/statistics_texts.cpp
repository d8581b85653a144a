#include "core/analysis/statistics_texts.h"

#include "core/util/time_format.h"

namespace vianora {

StatisticsTexts statisticsTexts(const TripStatistics& s, const DisplayFormat& format) {
  const Separators& sep = format.separators;
  const auto metres = [&](double v) { return formatNumber(v, NumberPattern::OneDecimal, sep); };
  const auto km = [&](double v) { return formatNumber(v, NumberPattern::ThreeDecimals, sep); };
  const auto speed = [&](double v) {
    return formatNumber(v, NumberPattern::ThreeDecimalsNoLeadingZero, sep);
  };
  const auto dateTime = [&](double day) {
    return format.dateTime ? format.dateTime(day) : isoDateTimeText(day);
  };
  const auto average = s.averageSpeedKmh();
  const auto duration = s.duration();
  const std::string none(kNotComputable);
  // Figures of altitude need a counting pair, figures of time a point that carries a time.
  const auto ifCounted = [&](const std::string& text) { return s.hasCountingPair ? text : none; };
  const auto ifTimed = [&](const std::string& text) { return s.hasTimes ? text : none; };

  StatisticsTexts t;
  t.ascent = metres(s.Dislivello);
  t.altitudeMax = ifCounted(metres(s.AltitudineMax));
  t.altitudeMin = ifCounted(metres(s.AltitudineMin));
  t.altitudeMaxKm = ifCounted(km(s.DistAltitudineMax));
  t.altitudeMinKm = ifCounted(km(s.DistAltitudineMin));
  t.distance = km(s.DistanzaTotale);
  t.climbDistance = km(s.climbDistance);
  t.climbTime = ifTimed(formatDuration(s.climbTime));
  t.start = ifTimed(dateTime(s.startDay));
  t.end = ifTimed(dateTime(s.endDay));
  t.duration = duration ? formatDuration(*duration) : none;
  t.averageSpeed = average ? speed(*average) : none;
  t.maxSpeed = speed(s.maxSpeedKmh());
  t.maxSpeedKm = km(s.DistVelocitaMax);
  return t;
}

}  // namespace vianora
