#include "analysis/trip_statistics.h"

#include "analysis/distanza.h"

namespace vianora {

namespace {

// The extremes seed an unset index with the current point and then compare with it.
template <typename Better>
void track(std::size_t& index, std::size_t i, const std::vector<Punto>& points, Better better) {
  if (index == 0) index = i;
  if (better(points[i], points[index])) index = i;
}

void trackPositions(TripStatistics& s, std::size_t i, const std::vector<Punto>& p) {
  track(s.IdxLonMin, i, p,
        [](const Punto& b, const Punto& at) { return at.Longitudine > b.Longitudine; });
  track(s.IdxLatMin, i, p,
        [](const Punto& b, const Punto& at) { return at.Latitudine > b.Latitudine; });
  track(s.IdxLonMax, i, p,
        [](const Punto& b, const Punto& at) { return at.Longitudine < b.Longitudine; });
  track(s.IdxLatMax, i, p,
        [](const Punto& b, const Punto& at) { return at.Latitudine < b.Latitudine; });
}

// The start is seeded like the end only when point 0 carries a date-time; otherwise it stays
// at point 0 and its zero date-time, as trips whose first point has no time always did.
void trackTimes(TripStatistics& s, std::size_t i, const std::vector<Punto>& p) {
  if (s.IdxInizio == 0 && p[0].DataOra != 0) s.IdxInizio = i;
  if (p[s.IdxInizio].DataOra > p[i].DataOra) s.IdxInizio = i;
  if (s.IdxFine == 0) s.IdxFine = i;
  if (p[s.IdxFine].DataOra < p[i].DataOra) s.IdxFine = i;
}

void trackAltitudeAndSpeed(TripStatistics& s, const Punto& a, const Punto& b, double d) {
  if (s.AltitudineMin > b.Altitudine) {
    s.AltitudineMin = b.Altitudine;
    s.DistAltitudineMin = s.DistanzaTotale;
  }
  if (b.Altitudine > s.AltitudineMax) {
    s.AltitudineMax = b.Altitudine;
    s.DistAltitudineMax = s.DistanzaTotale;
  }
  if (b.Altitudine > a.Altitudine) {
    s.climbDistance += d;
    s.climbTime += b.DataOra - a.DataOra;
    s.Dislivello += b.Altitudine - a.Altitudine;
  }
  const double dt = b.DataOra - a.DataOra;
  if (dt != 0) {
    const double v = d / dt;
    if (v < kMaxCredibleSpeedKmPerDay && v > s.VelocitaMax) {
      s.VelocitaMax = v;
      s.DistVelocitaMax = s.DistanzaTotale;
    }
  }
}

}  // namespace

std::optional<double> TripStatistics::averageSpeedKmh() const {
  const double days = duration();
  if (days == 0) return std::nullopt;
  return DistanzaTotale / (days * 24);
}

TripStatistics computeTripStatistics(const Percorso& trip) {
  TripStatistics s;
  const std::vector<Punto>& points = trip.Punti;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Punto& a = points[i - 1];
    const Punto& b = points[i];
    if (a.Altitudine == 0 || b.Altitudine == 0) continue;
    const double d = Distanza(b, a);
    s.DistanzaTotale += d;
    trackPositions(s, i, points);
    trackTimes(s, i, points);
    trackAltitudeAndSpeed(s, a, b, d);
  }
  s.startDay = points[s.IdxInizio].DataOra;
  s.endDay = points[s.IdxFine].DataOra;
  return s;
}

}  // namespace vianora
