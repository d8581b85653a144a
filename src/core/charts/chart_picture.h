#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vianora {

/// A colour as red + 256 * green + 65536 * blue.
using Rgb = std::uint32_t;

inline constexpr Rgb rgb(int red, int green, int blue) {
  return static_cast<Rgb>(red) | static_cast<Rgb>(green) << 8 | static_cast<Rgb>(blue) << 16;
}
inline constexpr int redOf(Rgb colour) { return static_cast<int>(colour & 0xFF); }
inline constexpr int greenOf(Rgb colour) { return static_cast<int>(colour >> 8 & 0xFF); }
inline constexpr int blueOf(Rgb colour) { return static_cast<int>(colour >> 16 & 0xFF); }

/// How a line is drawn, numbered as the charts' line styles are.
enum class LineStyle : std::uint8_t {
  Solid = 1,
  Dot = 3,
};

/// One line of a chart: a data segment, an axis or a grid line.
struct ChartLine {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  ///< end points in twips from the surface's top left
  Rgb colour = 0;                        ///< pen colour
  std::uint8_t width = 1;                ///< pen width in pixels
  LineStyle style = LineStyle::Solid;
  bool visible = true;

  friend bool operator==(const ChartLine&, const ChartLine&) = default;
};

// Charts of a million segments keep a million of these: keep them small.
static_assert(sizeof(ChartLine) <= 24, "no more than 24 bytes per segment");

/// One text of a chart (a tick label), placed by its top left corner.
struct ChartLabel {
  float left = 0, top = 0;  ///< twips from the surface's top left
  std::string caption;
  bool visible = true;

  friend bool operator==(const ChartLabel&, const ChartLabel&) = default;
};

/// The outline of a box.
enum class BoxShape : std::uint8_t { Rectangle, Ellipse };

/// A filled box of a chart's overlay: a readout's or a legend's background, a marker.
struct ChartBox {
  float left = 0, top = 0, width = 0, height = 0;  ///< twips from the surface's top left
  Rgb fill = rgb(255, 255, 255);
  bool filled = true;  ///< false: the outline alone
  Rgb border = rgb(0, 0, 0);
  std::uint8_t borderWidth = 1;  ///< pixels; 0 draws no outline
  BoxShape shape = BoxShape::Rectangle;
  std::uint8_t fillAlpha = 255;  ///< how opaque the fill is: 255 hides what lies under it

  friend bool operator==(const ChartBox&, const ChartBox&) = default;
};

/// A picture under a chart's lines (a map tile), as the bytes of a PNG file, in twips.
struct ChartImage {
  float left = 0, top = 0, width = 0, height = 0;
  std::string png;
};

/// What one drawing surface shows: the images (map tiles) first, then the boxes, then sets of lines
/// drawn in order (axes, grid, data...), then the labels. A drawing replaces the whole picture. The
/// plain charts have no boxes; the overlays drawn over them (scales, legend, cursor) do.
struct ChartPicture {
  float width = 0, height = 0;  ///< the surface's size in twips
  std::vector<std::vector<ChartLine>> lineSets;
  std::vector<ChartLabel> labels;
  std::vector<ChartBox> boxes;
  std::vector<ChartImage> images;
};

/// Twips per inch: chart coordinates are in twips whatever the screen.
inline constexpr double kTwipsPerInch = 1440.0;

/// The screen resolution that line widths in pixels are given for.
inline constexpr double kPixelsPerInch = 96.0;

/// Twips per pixel at that resolution: 15.
inline constexpr double kTwipsPerPixel = kTwipsPerInch / kPixelsPerInch;

}  // namespace vianora
