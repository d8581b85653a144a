#include "cli/trip_report.h"

#include <future>
#include <system_error>

#include "cli/details_report.h"
#include "cli/json_writer.h"
#include "cli/utf8_text.h"
#include "core/analysis/statistics_texts.h"
#include "core/store/trip_titles.h"
#include "core/util/time_format.h"

namespace vianora::cli {

namespace {

// The command-line tool writes English separators and ISO 8601 date-times.
DisplayFormat toolFormat() { return DisplayFormat{Separators{".", ","}, isoDateTimeText}; }

std::string tripText(const Percorsi& store, std::size_t index) {
  const Percorso& trip = store[index];
  const TripStatistics s = computeTripStatistics(trip);
  const StatisticsTexts t = statisticsTexts(s, toolFormat());
  std::string out =
      "Trip " + std::to_string(index) + ": " + terminalText(tripTitle(store, index)) + "\n";
  out += "  Points: " + std::to_string(trip.Punti.size()) + "\n";
  out += "  Altitude Max: " + t.altitudeMax + " m. Km " + t.altitudeMaxKm + "\n";
  out += "  Min: " + t.altitudeMin + " m. Km " + t.altitudeMinKm + "\n";
  out += "  Climbs: " + t.ascent + " m. in " + t.climbDistance + " Km in " + t.climbTime + "\n";
  out += "  Distance: " + t.distance + " Km.\n";
  out += "  Speed: " + t.averageSpeed + " Km/h\n";
  out += "  Max: " + t.maxSpeed + " Km/h al Km " + t.maxSpeedKm + "\n";
  out += "  Start: " + t.start + "\n";
  out += "  End: " + t.end + "\n";
  out += "  Duration: " + t.duration + "\n";
  return out;
}

// Raw figures that cannot be computed are null: altitudes without a counting pair, times
// without a point that carries one.
template <typename T>
std::optional<T> ifCounted(const TripStatistics& s, T value) {
  return s.hasCountingPair ? std::optional<T>(value) : std::nullopt;
}

template <typename T>
std::optional<T> ifTimed(const TripStatistics& s, T value) {
  return s.hasTimes ? std::optional<T>(value) : std::nullopt;
}

void writeStats(JsonWriter& json, const TripStatistics& s) {
  json.beginObject("stats");
  json.value("ascent_m", s.Dislivello);
  json.value("altitude_max_m", ifCounted(s, s.AltitudineMax));
  json.value("altitude_min_m", ifCounted(s, s.AltitudineMin));
  json.value("altitude_max_km", ifCounted(s, s.DistAltitudineMax));
  json.value("altitude_min_km", ifCounted(s, s.DistAltitudineMin));
  json.value("distance_km", s.DistanzaTotale);
  json.value("climb_distance_km", s.climbDistance);
  json.value("climb_time_days", ifTimed(s, s.climbTime));
  json.value("start_index", ifTimed(s, static_cast<long long>(s.IdxInizio)));
  json.value("end_index", ifTimed(s, static_cast<long long>(s.IdxFine)));
  json.value("start_day", ifTimed(s, s.startDay));
  json.value("end_day", ifTimed(s, s.endDay));
  json.value("duration_days", s.duration());
  json.value("average_speed_kmh", s.averageSpeedKmh());
  json.value("max_speed_kmh", s.maxSpeedKmh());
  json.value("max_speed_km", s.DistVelocitaMax);
  json.endObject();
}

void writeDisplay(JsonWriter& json, const StatisticsTexts& t) {
  json.beginObject("display");
  json.value("ascent", t.ascent);
  json.value("altitude_max", t.altitudeMax);
  json.value("altitude_min", t.altitudeMin);
  json.value("altitude_max_km", t.altitudeMaxKm);
  json.value("altitude_min_km", t.altitudeMinKm);
  json.value("distance", t.distance);
  json.value("climb_distance", t.climbDistance);
  json.value("climb_time", t.climbTime);
  json.value("start", t.start);
  json.value("end", t.end);
  json.value("duration", t.duration);
  json.value("average_speed", t.averageSpeed);
  json.value("max_speed", t.maxSpeed);
  json.value("max_speed_km", t.maxSpeedKm);
  json.endObject();
}

// A big trip's details are worked out on a second core while its statistics are.
std::future<TripDetails> detailsAside(const Percorso& trip) {
  constexpr std::size_t kWorthASecondCore = 100'000;  // points
  if (trip.Punti.size() < kWorthASecondCore) return {};
  try {
    return std::async(std::launch::async, [&trip] { return computeTripDetails(trip); });
  } catch (const std::system_error&) {
    return {};  // no thread to spare: worked out in turn
  }
}

void writeTrip(JsonWriter& json, const Percorsi& store, std::size_t index) {
  const Percorso& trip = store[index];
  std::future<TripDetails> details = detailsAside(trip);
  const TripStatistics s = computeTripStatistics(trip);
  json.beginObject();
  json.value("index", static_cast<long long>(index));
  json.value("name", trip.Nome);
  json.value("title", tripTitle(store, index));
  json.value("file", trip.sourceFile);
  json.value("points", static_cast<long long>(trip.Punti.size()));
  json.value("version", trip.Versione);
  json.value("encoding", static_cast<long long>(trip.Codifica));
  writeStats(json, s);
  writeDisplay(json, statisticsTexts(s, toolFormat()));
  writeJsonDetails(json, details.valid() ? details.get() : computeTripDetails(trip));
  json.endObject();
}

}  // namespace

void writeTextReport(std::ostream& out, const Percorsi& store) {
  for (std::size_t i = 0; i < store.size(); ++i) {
    if (i > 0) out << '\n';
    out << tripText(store, i);
  }
}

void writeJsonReport(std::ostream& out, const Percorsi& store) {
  JsonWriter json(out);
  json.beginObject();
  json.beginArray("trips");
  for (std::size_t i = 0; i < store.size(); ++i) writeTrip(json, store, i);
  json.endArray();
  json.endObject();
}

}  // namespace vianora::cli
