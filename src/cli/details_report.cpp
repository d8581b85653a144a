#include "cli/details_report.h"

#include <string>
#include <vector>

namespace vianora::cli {

namespace {

using Fields = std::vector<std::optional<double>>;

std::optional<double> point(std::size_t index) { return static_cast<double>(index); }

Fields splitFields(const Split& k) {
  return {static_cast<double>(k.number),
          point(k.where.firstPoint),
          point(k.where.lastPoint),
          k.where.startKm,
          k.km,
          k.seconds,
          k.speedKmh,
          k.ascent,
          k.descent};
}
constexpr const char* kSplitKeys[] = {"number",  "first_point", "last_point", "start_km", "km",
                                      "seconds", "speed_kmh",   "ascent_m",   "descent_m"};

Fields pauseFields(std::size_t i, const Pause& p) {
  return {static_cast<double>(i + 1),
          point(p.where.firstPoint),
          point(p.where.lastPoint),
          p.where.startKm,
          p.startDay,
          p.seconds};
}
constexpr const char* kPauseKeys[] = {"number",   "first_point", "last_point",
                                      "start_km", "start_day",   "seconds"};

template <std::size_t N>
void writeObject(JsonWriter& json, const char* const (&keys)[N], const Fields& fields) {
  json.beginObject();
  for (std::size_t i = 0; i < N; ++i) json.value(keys[i], fields[i]);
  json.endObject();
}

void writeGradient(JsonWriter& json, std::string_view key, const std::optional<Gradient>& g) {
  if (!g) return json.value(key, std::optional<double>());
  json.beginObject(key);
  json.value("percent", g->percent);
  json.value("length_km", g->lengthKm);
  json.value("start_km", g->where.startKm);
  json.value("first_point", static_cast<long long>(g->where.firstPoint));
  json.value("last_point", static_cast<long long>(g->where.lastPoint));
  json.endObject();
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

template <std::size_t N>
void writeCsvRow(std::ostream& out, const char* const (&cells)[N]) {
  out << "trip";
  for (const char* cell : cells) out << ',' << csvField(cell);
  out << '\n';
}

void writeCsvRow(std::ostream& out, std::size_t trip, const Fields& fields) {
  out << trip;
  for (const auto& field : fields) out << ',' << (field ? csvField(jsonNumber(*field)) : "");
  out << '\n';
}

}  // namespace

CsvTable csvTableOfName(std::string_view name) {
  if (name == "splits") return CsvTable::Splits;
  if (name == "pauses") return CsvTable::Pauses;
  return CsvTable::None;
}

void writeJsonDetails(JsonWriter& json, const TripDetails& d) {
  json.beginObject("details");
  json.value("descent_m", d.descent);
  json.value("descent_km", d.descentKm);
  json.value("descent_seconds", d.descentSeconds);
  json.value("moving_seconds", d.movingSeconds);
  json.value("moving_speed_kmh", d.movingSpeedKmh);
  json.value("stopped_seconds", d.stoppedSeconds);
  json.value("paused_seconds", d.pausedSeconds);
  writeGradient(json, "steepest_climb", d.steepestClimb);
  writeGradient(json, "steepest_descent", d.steepestDescent);
  json.beginArray("pauses");
  for (std::size_t i = 0; i < d.pauses.size(); ++i) {
    writeObject(json, kPauseKeys, pauseFields(i, d.pauses[i]));
  }
  json.endArray();
  json.beginArray("splits");
  for (const Split& k : d.splits) writeObject(json, kSplitKeys, splitFields(k));
  json.endArray();
  json.endObject();
}

void writeCsvTable(std::ostream& out, const Percorsi& store, CsvTable table) {
  if (table == CsvTable::Splits) writeCsvRow(out, kSplitKeys);
  if (table == CsvTable::Pauses) writeCsvRow(out, kPauseKeys);
  for (std::size_t t = 0; t < store.size(); ++t) {
    const TripDetails d = computeTripDetails(store[t]);
    if (table == CsvTable::Splits) {
      for (const Split& k : d.splits) writeCsvRow(out, t, splitFields(k));
    } else {
      for (std::size_t i = 0; i < d.pauses.size(); ++i) {
        writeCsvRow(out, t, pauseFields(i, d.pauses[i]));
      }
    }
  }
}

}  // namespace vianora::cli
