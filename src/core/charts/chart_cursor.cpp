#include "core/charts/chart_cursor.h"

#include <algorithm>
#include <cstdio>

#include "core/analysis/distanza.h"
#include "core/analysis/statistics_texts.h"
#include "core/util/time_format.h"
#include "core/util/time_units.h"

namespace vianora {

namespace {

constexpr float kReadoutOffset = 120.0f;  // twips from the cursor to the readout's corner
constexpr float kReadoutPadding = 60.0f;  // twips of room around the text, both sides together
constexpr Rgb kReadoutBorder = rgb(128, 128, 128);
constexpr Rgb kCursorColour = rgb(64, 64, 64);
constexpr float kRingDiameter = 150.0f;  // twips: 10 pixels
constexpr std::uint8_t kRingWidth = 2;

// A count grouped by thousands: 1234 gives "1,234".
std::string groupedCount(std::size_t count, const std::string& thousands) {
  const std::string digits = std::to_string(count);
  std::string text;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) text += thousands;
    text += digits[k];
  }
  return text;
}

std::string timeOfDay(double dayNumber) {
  const DateTimeParts parts = dateTimeParts(dayNumber);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", parts.hour, parts.minute, parts.second);
  return text;
}

// The speed of the segment ending at a point, km/h; none without a segment or its time.
std::optional<double> speedAt(const std::vector<Punto>& points, std::size_t i) {
  if (i == 0) return std::nullopt;
  const Punto& p = points[i - 1];
  const Punto& q = points[i];
  if (p.DataOra == 0 || q.DataOra == 0 || q.DataOra == p.DataOra) return std::nullopt;
  return Distanza(q, p) / (q.DataOra - p.DataOra) / kHoursPerDay;
}

// Characters, not bytes: separators may take several bytes of UTF-8.
std::size_t characters(const std::string& text) {
  return static_cast<std::size_t>(std::ranges::count_if(
      text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Right of (below) the cursor when the box fits there, else left of (above) it, and inside.
float boxStart(float cursor, float length, float room) {
  float start = cursor + kReadoutOffset;
  if (start + length > room) start = cursor - kReadoutOffset - length;
  return std::clamp(start, 0.0f, std::max(0.0f, room - length));
}

}  // namespace

std::vector<std::string> pointReadout(const Percorso& trip, const TripStatistics& stats,
                                      const TripPointLookup& lookup, std::size_t point,
                                      const Separators& separators) {
  const Punto& p = trip.Punti[point];
  const std::string none(kNotComputable);
  const bool timed = p.DataOra != 0;
  // Without a start point there is nothing to count the elapsed time from.
  const bool elapsed = timed && stats.hasTimes;
  const std::optional<double> speed = speedAt(trip.Punti, point);
  const auto number = [&](double v, NumberPattern pattern) {
    return formatNumber(v, pattern, separators);
  };
  return {
      "Point " + groupedCount(point + 1, separators.thousands),
      "Distance " + number(lookup.distanceRun(point), NumberPattern::ThreeDecimals) + " km",
      "Altitude " +
          (p.Altitudine != 0 ? number(p.Altitudine, NumberPattern::OneDecimal) + " m" : none),
      "Speed " + (speed ? number(*speed, NumberPattern::ThreeDecimals) + " km/h" : none),
      "Time " + (timed ? timeOfDay(p.DataOra) : none),
      "Elapsed " + (elapsed ? formatDuration(p.DataOra - stats.startDay) : none),
  };
}

void addReadoutBox(ChartPicture& overlay, float x, float y, const std::vector<std::string>& readout,
                   SurfaceSize surface, const TextMetrics& text) {
  std::size_t longest = 0;
  for (const std::string& line : readout) longest = std::max(longest, characters(line));
  const float width = static_cast<float>(longest) * text.charWidth + kReadoutPadding;
  const float height = static_cast<float>(readout.size()) * text.lineHeight + kReadoutPadding;
  const float left = boxStart(x, width, surface.width);
  const float top = boxStart(y, height, surface.height);
  overlay.boxes.push_back(ChartBox{.left = left,
                                   .top = top,
                                   .width = width,
                                   .height = height,
                                   .fill = rgb(255, 255, 255),
                                   .border = kReadoutBorder});
  float lineTop = top + kReadoutPadding / 2;
  for (const std::string& line : readout) {
    overlay.labels.push_back(ChartLabel{left + kReadoutPadding / 2, lineTop, line, true});
    lineTop += text.lineHeight;
  }
}

void addCursorLine(ChartPicture& overlay, float x, float top, float bottom) {
  overlay.lineSets.push_back(
      {ChartLine{x, top, x, bottom, kCursorColour, 1, LineStyle::Solid, true}});
}

void addCursorRing(ChartPicture& overlay, float x, float y) {
  overlay.boxes.push_back(ChartBox{.left = x - kRingDiameter / 2,
                                   .top = y - kRingDiameter / 2,
                                   .width = kRingDiameter,
                                   .height = kRingDiameter,
                                   .filled = false,
                                   .border = rgb(0, 0, 0),
                                   .borderWidth = kRingWidth,
                                   .shape = BoxShape::Ellipse});
}

}  // namespace vianora
