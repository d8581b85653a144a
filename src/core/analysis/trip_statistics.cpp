#include "core/analysis/trip_statistics.h"

#include "core/analysis/distanza.h"

namespace vianora {

namespace {

bool carriesTime(const Punto& p) { return p.DataOra != 0; }

// The first candidate seeds every extreme; later ones replace an extreme only when strictly
// better, so on ties the earlier point stays.
void offerPosition(TripStatistics& s, const std::vector<Punto>& p, std::size_t i) {
  const Punto& b = p[i];
  if (!s.hasCountingPair) {
    s.IdxLonMin = s.IdxLatMin = s.IdxLonMax = s.IdxLatMax = i;
    return;
  }
  if (p[s.IdxLonMin].Longitudine > b.Longitudine) s.IdxLonMin = i;
  if (p[s.IdxLatMin].Latitudine > b.Latitudine) s.IdxLatMin = i;
  if (p[s.IdxLonMax].Longitudine < b.Longitudine) s.IdxLonMax = i;
  if (p[s.IdxLatMax].Latitudine < b.Latitudine) s.IdxLatMax = i;
}

void offerAltitude(TripStatistics& s, const Punto& b, double km) {
  if (!s.hasCountingPair || s.AltitudineMin > b.Altitudine) {
    s.AltitudineMin = b.Altitudine;
    s.DistAltitudineMin = km;
  }
  if (!s.hasCountingPair || b.Altitudine > s.AltitudineMax) {
    s.AltitudineMax = b.Altitudine;
    s.DistAltitudineMax = km;
  }
}

// A point without a time (day number 0) is no candidate for start or end.
void offerTime(TripStatistics& s, const std::vector<Punto>& p, std::size_t i) {
  const Punto& b = p[i];
  if (!carriesTime(b)) return;
  if (!s.hasTimes) {
    s.IdxInizio = s.IdxFine = i;
    s.hasTimes = true;
    return;
  }
  if (p[s.IdxInizio].DataOra > b.DataOra) s.IdxInizio = i;
  if (p[s.IdxFine].DataOra < b.DataOra) s.IdxFine = i;
}

// One point of a counting pair, with the distance run up to it.
void offerPoint(TripStatistics& s, const std::vector<Punto>& p, std::size_t i, double km) {
  offerPosition(s, p, i);
  offerAltitude(s, p[i], km);
  offerTime(s, p, i);
  s.hasCountingPair = true;
}

// Climbing and speed of a counting pair; only a pair whose points both carry a time has a
// duration.
void measurePair(TripStatistics& s, const Punto& a, const Punto& b, double d) {
  const bool timed = carriesTime(a) && carriesTime(b);
  const double dt = b.DataOra - a.DataOra;
  if (b.Altitudine > a.Altitudine) {
    s.climbDistance += d;
    if (timed) s.climbTime += dt;
    s.Dislivello += b.Altitudine - a.Altitudine;
  }
  if (timed && dt != 0) {
    const double v = d / dt;
    if (v < kMaxCredibleSpeedKmPerDay && v > s.VelocitaMax) {
      s.VelocitaMax = v;
      s.DistVelocitaMax = s.DistanzaTotale;
    }
  }
}

}  // namespace

std::optional<double> TripStatistics::duration() const {
  if (!hasTimes) return std::nullopt;
  return endDay - startDay;
}

std::optional<double> TripStatistics::averageSpeedKmh() const {
  const std::optional<double> days = duration();
  if (!days || *days == 0) return std::nullopt;
  return DistanzaTotale / (*days * kHoursPerDay);
}

TripStatistics computeTripStatistics(const Percorso& trip) {
  TripStatistics s;
  const std::vector<Punto>& points = trip.Punti;
  bool previousCounted = false;  // then the pair's first point was offered as a later point
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Punto& a = points[i - 1];
    const Punto& b = points[i];
    const bool counts = a.Altitudine != 0 && b.Altitudine != 0;
    if (counts) {
      if (!previousCounted) offerPoint(s, points, i - 1, s.DistanzaTotale);
      const double d = Distanza(b, a);
      s.DistanzaTotale += d;
      offerPoint(s, points, i, s.DistanzaTotale);
      measurePair(s, a, b, d);
    }
    previousCounted = counts;
  }
  // Without a counting pair, a lone point still tells when the trip was.
  if (!s.hasCountingPair && carriesTime(points.front())) s.hasTimes = true;
  s.startDay = s.hasTimes ? points[s.IdxInizio].DataOra : 0.0;
  s.endDay = s.hasTimes ? points[s.IdxFine].DataOra : 0.0;
  return s;
}

}  // namespace vianora
