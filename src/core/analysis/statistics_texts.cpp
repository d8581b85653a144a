#include "analysis/statistics_texts.h"

#include "util/time_format.h"

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

  StatisticsTexts t;
  t.ascent = metres(s.Dislivello);
  t.altitudeMax = metres(s.AltitudineMax);
  t.altitudeMin = metres(s.AltitudineMin);
  t.altitudeMaxKm = km(s.DistAltitudineMax);
  t.altitudeMinKm = km(s.DistAltitudineMin);
  t.distance = km(s.DistanzaTotale);
  t.climbDistance = km(s.climbDistance);
  t.climbTime = formatTimeOfDay(s.climbTime);
  t.start = dateTime(s.startDay);
  t.end = dateTime(s.endDay);
  t.duration = formatTimeOfDay(s.duration());
  t.averageSpeed = average ? speed(*average) : std::string(kNotComputable);
  t.maxSpeed = speed(s.maxSpeedKmh());
  t.maxSpeedKm = km(s.DistVelocitaMax);
  return t;
}

}  // namespace vianora
