#include "core/analysis/details_texts.h"

#include "core/util/time_format.h"
#include "core/util/time_units.h"

namespace vianora {

namespace {

// The statistics' number formats with the display's separators.
struct Texts {
  const DisplayFormat& format;

  std::string metres(double v) const {
    return formatNumber(v, NumberPattern::OneDecimal, format.separators);
  }
  std::string km(double v) const {
    return formatNumber(v, NumberPattern::ThreeDecimals, format.separators);
  }
  std::string speed(double v) const {
    return formatNumber(v, NumberPattern::ThreeDecimalsNoLeadingZero, format.separators);
  }
  std::string dateTime(double day) const {
    return format.dateTime ? format.dateTime(day) : isoDateTimeText(day);
  }
  static std::string seconds(double v) { return formatDuration(v / kSecondsPerDay); }
  static std::string orNone(const std::optional<double>& v, std::string (*text)(double)) {
    return v ? text(*v) : std::string(kNotComputable);
  }
  std::string gradient(const std::optional<Gradient>& g) const {
    if (!g) return std::string(kNotComputable);
    return metres(g->percent) + " % at km " + km(g->where.startKm);
  }
};

TableCell cell(std::string text, double value) { return {std::move(text), value}; }

}  // namespace

std::vector<DetailsFigure> detailsFigures(const TripDetails& d, const DisplayFormat& format) {
  const Texts t{format};
  const std::string none(kNotComputable);
  const bool timed = d.movingSeconds.has_value();
  const std::string speed = d.movingSpeedKmh ? t.speed(*d.movingSpeedKmh) + " km/h" : none;
  return {
      {"Descent", t.metres(d.descent) + " m"},
      {"Descent distance", t.km(d.descentKm) + " km"},
      {"Descent time", Texts::orNone(d.descentSeconds, Texts::seconds)},
      {"Moving time", Texts::orNone(d.movingSeconds, Texts::seconds)},
      {"Moving average speed", speed},
      {"Stopped time", Texts::orNone(d.stoppedSeconds, Texts::seconds)},
      {"Pauses", timed ? std::to_string(d.pauses.size()) : none},
      {"Paused time", timed ? Texts::seconds(d.pausedSeconds) : none},
      {"Steepest climb", t.gradient(d.steepestClimb)},
      {"Steepest descent", t.gradient(d.steepestDescent)},
  };
}

TextTable pausesTable(const TripDetails& d, const DisplayFormat& format) {
  const Texts t{format};
  TextTable table{{"Pause", "Start", "Length", "Point", "Km"}, {}};
  for (std::size_t i = 0; i < d.pauses.size(); ++i) {
    const Pause& p = d.pauses[i];
    const auto point = static_cast<double>(p.where.firstPoint);
    table.rows.push_back({cell(std::to_string(i + 1), static_cast<double>(i + 1)),
                          cell(t.dateTime(p.startDay), p.startDay),
                          cell(Texts::seconds(p.seconds), p.seconds),
                          cell(std::to_string(p.where.firstPoint), point),
                          cell(t.km(p.where.startKm), p.where.startKm)});
  }
  return table;
}

TextTable splitsTable(const TripDetails& d, const DisplayFormat& format) {
  const Texts t{format};
  const std::string none(kNotComputable);
  TextTable table{{"Km", "Length", "Time", "Speed", "Ascent", "Descent"}, {}};
  for (const Split& k : d.splits) {
    table.rows.push_back({cell(std::to_string(k.number), k.number), cell(t.km(k.km), k.km),
                          cell(Texts::orNone(k.seconds, Texts::seconds), k.seconds.value_or(0)),
                          cell(k.speedKmh ? t.speed(*k.speedKmh) : none, k.speedKmh.value_or(0)),
                          cell(t.metres(k.ascent), k.ascent),
                          cell(t.metres(k.descent), k.descent)});
  }
  return table;
}

std::string tabSeparated(const TextTable& table) {
  std::string text;
  const auto line = [&text](const auto& cells, const auto& textOf) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) text += '\t';
      text += textOf(cells[i]);
    }
    text += '\n';
  };
  line(table.header, [](const std::string& s) { return s; });
  for (const auto& row : table.rows) line(row, [](const TableCell& c) { return c.text; });
  return text;
}

}  // namespace vianora
