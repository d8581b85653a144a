#include "core/charts/chart_scales.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "core/charts/colour_ramps.h"
#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"
#include "core/charts/value_ticks.h"
#include "core/charts/web_mercator.h"
#include "core/util/time_units.h"

namespace vianora {

namespace {

constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr Rgb kAltitudeTickColour = kBlack;
constexpr Rgb kSpeedTickColour = rgb(139, 0, 0);  // dark red, as the speed curve's top end
constexpr Rgb kStartColour = rgb(0, 170, 0);
constexpr Rgb kEndColour = rgb(220, 0, 0);

constexpr float kTickLength = 60.0f;  ///< a scale's tick, twips
constexpr float kPad = 20.0f;         ///< round a label's ground, round the legend's contents
constexpr float kLabelGap = 40.0f;    ///< between a tick and its label: apart, they read as no sign
constexpr float kEdgeRoom = 200.0f;   ///< the map's overlay keeps this far from the edges
constexpr float kBarTickHeight = 60.0f;
constexpr std::uint8_t kBarWidth = 2;  ///< pixels
constexpr int kLegendLines = 64;
constexpr float kLegendStripHeight = 150.0f;
constexpr float kMarkerSize = 120.0f;  ///< 8 pixels across
/// Scale bar lengths are found from the longest one that fits downwards; the limit only ends
/// the search for a scale so fine that no length above the smallest double fits.
constexpr int kLowestExponent = -324;
/// A length a rounding error longer than the room still fits it: 2 km in exactly 2 km of room.
constexpr double kFitTolerance = 1e-12;

/// The width of a caption: one character width per character (not per UTF-8 byte).
float textWidth(std::string_view caption, const TextMetrics& text) {
  const auto characters = std::count_if(caption.begin(), caption.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  return static_cast<float>(characters) * text.charWidth;
}

/// value kept within low..high; low wins when the room is too small for the text.
float within(float value, float low, float high) { return std::max(low, std::min(value, high)); }

ChartPicture emptyOverlay(SurfaceSize surface) {
  ChartPicture overlay;
  overlay.width = surface.width;
  overlay.height = surface.height;
  return overlay;
}

/// The overlay keeps all its lines in one set.
std::vector<ChartLine>& linesOf(ChartPicture& overlay) {
  if (overlay.lineSets.empty()) overlay.lineSets.emplace_back();
  return overlay.lineSets.front();
}

/// A label, on a white ground when it stands over the curves.
void addLabel(ChartPicture& overlay, float left, float top, std::string caption, bool onWhite,
              const TextMetrics& text) {
  if (onWhite) {
    const float width = textWidth(caption, text) + 2 * kPad;
    overlay.boxes.push_back(
        ChartBox{left - kPad, top, width, text.lineHeight, kWhite, true, kBlack, 0});
  }
  overlay.labels.push_back(ChartLabel{left, top, std::move(caption)});
}

/// A value scale along a vertical line: ticks pointing right from x, labels right of them. A
/// value v stands at y = base - (v - from) * twipsPerUnit.
struct VerticalScale {
  float x = 0;
  float base = 0;   ///< the plot's baseline: labels stay above it, clear of the axis
  double from = 0;  ///< the value drawn on the baseline
  double twipsPerUnit = 0;
  ValueTicks ticks;
  Rgb colour = kBlack;
  bool onWhite = false;  ///< labels on white grounds, for a scale inside the plot
  std::string_view unit;
};

// Ticks run upwards; a label that would overlap the one below it is left out (its tick stays),
// and the unit follows the topmost label on the same ground.
void addVerticalScale(ChartPicture& overlay, const VerticalScale& scale,
                      std::string_view decimalSeparator, const TextMetrics& text) {
  if (scale.ticks.values.empty()) return;
  std::vector<ChartLine>& lines = linesOf(overlay);
  const float lowestTop = std::min(scale.base, overlay.height) - text.lineHeight;
  float keptTop = std::numeric_limits<float>::infinity();
  float keptRight = scale.x + kTickLength + kLabelGap;
  for (double value : scale.ticks.values) {
    const auto y = static_cast<float>(scale.base - (value - scale.from) * scale.twipsPerUnit);
    lines.push_back(ChartLine{scale.x, y, scale.x + kTickLength, y, scale.colour});
    std::string caption = generalNumberText(value, decimalSeparator);
    const float width = textWidth(caption, text);
    const float left = within(scale.x + kTickLength + kLabelGap, 0, overlay.width - width);
    const float top = within(y - text.lineHeight / 2, 0, lowestTop);
    if (top + text.lineHeight > keptTop) continue;
    addLabel(overlay, left, top, std::move(caption), scale.onWhite, text);
    keptTop = top;
    keptRight = left + width;
  }
  const float unitLeft = keptRight + 2 * kPad;
  addLabel(overlay, within(unitLeft, 0, overlay.width - textWidth(scale.unit, text)), keptTop,
           std::string(scale.unit), scale.onWhite, text);
}

/// A scale bar at the bottom left; `captionEnd` follows the length in its caption.
void addScaleBar(ChartPicture& overlay, double twipsPerKm, std::string_view decimalSeparator,
                 const TextMetrics& text, std::string_view captionEnd = {}) {
  const double km = scaleBarKm(twipsPerKm, overlay.width / 4);
  if (km == 0) return;
  const auto length = static_cast<float>(km * twipsPerKm);
  const float left = kEdgeRoom;
  const float y = overlay.height - kEdgeRoom;
  std::string caption = scaleBarCaption(km, decimalSeparator).append(captionEnd);
  const float captionWidth = textWidth(caption, text);
  const float captionTop = y - kBarTickHeight - text.lineHeight;
  // A white ground keeps the bar and its caption readable where the track passes under them.
  const float groundWidth = std::max(length, captionWidth) + 2 * kPad;
  overlay.boxes.push_back(ChartBox{left - kPad, captionTop, groundWidth, y + kPad - captionTop,
                                   kWhite, true, kBlack, 0});
  std::vector<ChartLine>& lines = linesOf(overlay);
  lines.push_back(ChartLine{left, y, left + length, y, kBlack, kBarWidth});
  lines.push_back(ChartLine{left, y - kBarTickHeight, left, y, kBlack, kBarWidth});
  lines.push_back(
      ChartLine{left + length, y - kBarTickHeight, left + length, y, kBlack, kBarWidth});
  const float captionLeft = left + std::max(0.0f, (length - captionWidth) / 2);
  overlay.labels.push_back(ChartLabel{captionLeft, captionTop, std::move(caption)});
}

/// The ends of the ramp the map is coloured with, and their captions.
struct LegendRange {
  double low = 0, high = 0;
  std::string lowText, highText;
};

LegendRange legendRange(const TripStatistics& stats, MapColouring colouring,
                        const Separators& separators) {
  LegendRange range;
  if (colouring == MapColouring::Speed) {
    range.high = stats.maxSpeedKmh();
    range.lowText = formatNumber(0, NumberPattern::ThreeDecimals, separators) + " km/h";
    range.highText = formatNumber(range.high, NumberPattern::ThreeDecimals, separators) + " km/h";
  } else {
    range.low = stats.AltitudineMin;
    range.high = stats.AltitudineMax;
    range.lowText = formatNumber(range.low, NumberPattern::OneDecimal, separators) + " m";
    range.highText = formatNumber(range.high, NumberPattern::OneDecimal, separators) + " m";
  }
  return range;
}

Rgb rampColour(const LegendRange& range, MapColouring colouring, double fraction) {
  if (colouring == MapColouring::Speed) return ColoreVelocita(fraction * range.high, range.high);
  return ColoreAltitudine(range.low + fraction * (range.high - range.low), range.low, range.high);
}

// A bordered white box at the bottom right, kEdgeRoom above `bottom`: the strip of colours,
// the ends' values under it.
void addLegend(ChartPicture& overlay, const TripStatistics& stats, MapColouring colouring,
               const Separators& separators, const TextMetrics& text, float bottom) {
  LegendRange range = legendRange(stats, colouring, separators);
  const float highWidth = textWidth(range.highText, text);
  const float stripWidth = std::max(static_cast<float>(kLegendLines * kTwipsPerPixel),
                                    textWidth(range.lowText, text) + text.charWidth + highWidth);
  const float boxWidth = stripWidth + 2 * kPad;
  const float boxHeight = kLegendStripHeight + text.lineHeight + 3 * kPad;
  const float boxLeft = std::max(0.0f, overlay.width - kEdgeRoom - boxWidth);
  const float boxTop = std::max(0.0f, bottom - kEdgeRoom - boxHeight);
  overlay.boxes.push_back(ChartBox{boxLeft, boxTop, boxWidth, boxHeight});
  const float stripLeft = boxLeft + kPad;
  const float stripTop = boxTop + kPad;
  const float spacing = stripWidth / kLegendLines;
  const auto penWidth = static_cast<std::uint8_t>(std::ceil(spacing / kTwipsPerPixel));
  std::vector<ChartLine>& lines = linesOf(overlay);
  for (int i = 0; i < kLegendLines; ++i) {
    const float x = stripLeft + (static_cast<float>(i) + 0.5f) * spacing;
    const Rgb colour = rampColour(range, colouring, static_cast<double>(i) / (kLegendLines - 1));
    lines.push_back(ChartLine{x, stripTop, x, stripTop + kLegendStripHeight, colour, penWidth});
  }
  const float textTop = stripTop + kLegendStripHeight + kPad;
  overlay.labels.push_back(ChartLabel{stripLeft, textTop, std::move(range.lowText)});
  overlay.labels.push_back(
      ChartLabel{stripLeft + stripWidth - highWidth, textTop, std::move(range.highText)});
}

ChartBox marker(float x, float y, Rgb fill) {
  return ChartBox{
      x - kMarkerSize / 2, y - kMarkerSize / 2, kMarkerSize, kMarkerSize, fill, true, kBlack, 1,
      BoxShape::Ellipse};
}

}  // namespace

ChartPicture profileScales(const ProfileAxes& layoutAxes, const TripStatistics& stats,
                           SurfaceSize surface, bool altitudeShown, bool speedShown,
                           std::string_view decimalSeparator, const TextMetrics& text) {
  ChartPicture overlay = emptyOverlay(surface);
  const std::optional<ProfilePlot> plot = profilePlotFor(layoutAxes, stats);
  if (!plot) return overlay;
  const auto base = static_cast<float>(plot->base);
  if (altitudeShown) {
    addVerticalScale(overlay,
                     {static_cast<float>(plot->x0), base, plot->amin, plot->altScale,
                      roundTicks(plot->amin, plot->amax), kAltitudeTickColour, true, "m"},
                     decimalSeparator, text);
  }
  if (speedShown) {
    // The curve is drawn in km per day; the scale reads km/h.
    addVerticalScale(overlay,
                     {layoutAxes.lineX.x2, base, 0, plot->speedScale * kHoursPerDay,
                      roundTicks(0, stats.maxSpeedKmh()), kSpeedTickColour, false, "km/h"},
                     decimalSeparator, text);
  }
  return overlay;
}

ChartPicture progressScales(const ProfileAxes& profileAxes, const TripStatistics& stats,
                            SurfaceSize surface, std::string_view decimalSeparator,
                            const TextMetrics& text) {
  ChartPicture overlay = emptyOverlay(surface);
  const std::optional<ProgressPlot> plot = progressPlotFor(stats, profileAxes);
  if (!plot) return overlay;
  addVerticalScale(overlay,
                   {static_cast<float>(plot->x0), static_cast<float>(plot->base), 0, plot->yScale,
                    roundTicks(0, stats.DistanzaTotale), kBlack, true, "km"},
                   decimalSeparator, text);
  return overlay;
}

ChartPicture mapScaleAndLegend(double twipsPerDegree, const TripStatistics& stats,
                               SurfaceSize surface, MapColouring colouring,
                               const Separators& separators, const TextMetrics& text) {
  ChartPicture overlay = emptyOverlay(surface);
  if (!(twipsPerDegree > 0) || !std::isfinite(twipsPerDegree)) return overlay;
  const double kmPerDegree = std::sqrt(8000.0);  // as the statistics measure distance
  addScaleBar(overlay, twipsPerDegree / kmPerDegree, separators.decimal, text);
  // The seeds (a top below the bottom) mean no pair counted: the ramp has no ends to show.
  if (stats.AltitudineMax >= stats.AltitudineMin) {
    addLegend(overlay, stats, colouring, separators, text, overlay.height);
  }
  return overlay;
}

ChartPicture mercatorScaleAndLegend(const MercatorView& view, PixelSize surface,
                                    double twipsPerPixel, const TripStatistics& stats,
                                    MapColouring colouring, std::string_view attribution,
                                    const Separators& separators, const TextMetrics& text) {
  ChartPicture overlay = emptyOverlay({static_cast<float>(surface.width * twipsPerPixel),
                                       static_cast<float>(surface.height * twipsPerPixel)});
  const double latitude = latLonOf(view.centre).latitude;
  const double kmPerTwip = groundMetresPerPixel(latitude, view.zoom) / 1000 / twipsPerPixel;
  addScaleBar(overlay, 1 / kmPerTwip, separators.decimal, text, " on the ground");
  float legendBottom = overlay.height;
  if (!attribution.empty()) {
    // In the corner, as tile maps carry it; the legend stands above it.
    const float width = textWidth(attribution, text);
    legendBottom = overlay.height - text.lineHeight;
    addLabel(overlay, std::max(kPad, overlay.width - kPad - width), legendBottom,
             std::string(attribution), true, text);
  }
  if (stats.AltitudineMax >= stats.AltitudineMin) {
    addLegend(overlay, stats, colouring, separators, text, legendBottom);
  }
  return overlay;
}

void addTripMarkers(ChartPicture& overlay, float startX, float startY, float endX, float endY) {
  overlay.boxes.push_back(marker(startX, startY, kStartColour));
  overlay.boxes.push_back(marker(endX, endY, kEndColour));
}

double scaleBarKm(double twipsPerKm, double maxTwips) {
  const double mostKm = maxTwips / twipsPerKm;
  if (!(twipsPerKm > 0) || !(mostKm > 0) || !std::isfinite(mostKm)) return 0;
  for (int exponent = static_cast<int>(std::floor(std::log10(mostKm))) + 1;
       exponent >= kLowestExponent; --exponent) {
    for (double mantissa : {5.0, 2.0, 1.0}) {
      const double km = timesPowerOfTen(mantissa, exponent);
      if (km > 0 && km <= mostKm * (1 + kFitTolerance)) return km;
    }
  }
  return 0;
}

std::string scaleBarCaption(double km, std::string_view decimalSeparator) {
  constexpr double kMetresPerKm = 1000.0;
  if (km < 1) return generalNumberText(km * kMetresPerKm, decimalSeparator) + " m";
  return generalNumberText(km, decimalSeparator) + " km";
}

}  // namespace vianora
