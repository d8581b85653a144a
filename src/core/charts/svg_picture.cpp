#include "core/charts/svg_picture.h"

#include <charconv>
#include <cstdint>

namespace vianora {

namespace {

// Tick labels are drawn in an 8-point font: 160 twips.
constexpr double kLabelFontTwips = 160.0;
// A dotted line: dots a pixel long, two pixels apart.
constexpr double kDotTwips = kTwipsPerPixel;
constexpr double kDotGapTwips = 2 * kTwipsPerPixel;

void appendNumber(std::string& out, double value) {
  char buffer[32];  // the shortest text of any float fits
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value));
  out.append(buffer, result.ptr);
}

void appendColour(std::string& out, Rgb colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '#';
  for (int channel : {redOf(colour), greenOf(colour), blueOf(colour)}) {
    out += kHex[channel >> 4];
    out += kHex[channel & 0xF];
  }
}

void appendEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

void appendLine(std::string& out, const ChartLine& line) {
  out += "<line x1=\"";
  appendNumber(out, line.x1);
  out += "\" y1=\"";
  appendNumber(out, line.y1);
  out += "\" x2=\"";
  appendNumber(out, line.x2);
  out += "\" y2=\"";
  appendNumber(out, line.y2);
  out += "\" stroke=\"";
  appendColour(out, line.colour);
  out += "\" stroke-width=\"";
  appendNumber(out, line.width * kTwipsPerPixel);
  if (line.style == LineStyle::Dot) {
    out += "\" stroke-dasharray=\"";
    appendNumber(out, kDotTwips);
    out += ' ';
    appendNumber(out, kDotGapTwips);
  }
  out += "\"/>\n";
}

void appendBox(std::string& out, const ChartBox& box) {
  if (box.shape == BoxShape::Ellipse) {
    out += "<ellipse cx=\"";
    appendNumber(out, box.left + box.width / 2);
    out += "\" cy=\"";
    appendNumber(out, box.top + box.height / 2);
    out += "\" rx=\"";
    appendNumber(out, box.width / 2);
    out += "\" ry=\"";
    appendNumber(out, box.height / 2);
  } else {
    out += "<rect x=\"";
    appendNumber(out, box.left);
    out += "\" y=\"";
    appendNumber(out, box.top);
    out += "\" width=\"";
    appendNumber(out, box.width);
    out += "\" height=\"";
    appendNumber(out, box.height);
  }
  out += "\" fill=\"";
  if (box.filled)
    appendColour(out, box.fill);
  else
    out += "none";
  if (box.filled && box.fillAlpha < 255) {
    out += "\" fill-opacity=\"";
    appendNumber(out, box.fillAlpha / 255.0);
  }
  if (box.borderWidth > 0) {
    out += "\" stroke=\"";
    appendColour(out, box.border);
    out += "\" stroke-width=\"";
    appendNumber(out, box.borderWidth * kTwipsPerPixel);
  }
  out += "\"/>\n";
}

// PNG bytes as a data address: base64 in lines of any length.
void appendImage(std::string& out, const ChartImage& image) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  out += "<image x=\"";
  appendNumber(out, image.left);
  out += "\" y=\"";
  appendNumber(out, image.top);
  out += "\" width=\"";
  appendNumber(out, image.width);
  out += "\" height=\"";
  appendNumber(out, image.height);
  out += "\" preserveAspectRatio=\"none\" href=\"data:image/png;base64,";
  const std::string& bytes = image.png;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    std::uint32_t group = static_cast<std::uint8_t>(bytes[i]) << 16;
    if (left > 1) group |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
    if (left > 2) group |= static_cast<std::uint8_t>(bytes[i + 2]);
    out += kDigits[group >> 18 & 63];
    out += kDigits[group >> 12 & 63];
    out += left > 1 ? kDigits[group >> 6 & 63] : '=';
    out += left > 2 ? kDigits[group & 63] : '=';
  }
  out += "\"/>\n";
}

void appendLabel(std::string& out, const ChartLabel& label) {
  out += "<text x=\"";
  appendNumber(out, label.left);
  out += "\" y=\"";
  appendNumber(out, label.top + kLabelFontTwips);
  out += "\">";
  appendEscaped(out, label.caption);
  out += "</text>\n";
}

}  // namespace

std::string svgOfPicture(const ChartPicture& picture) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 ";
  appendNumber(out, picture.width);
  out += ' ';
  appendNumber(out, picture.height);
  out += "\" width=\"";
  appendNumber(out, picture.width / kTwipsPerPixel);
  out += "\" height=\"";
  appendNumber(out, picture.height / kTwipsPerPixel);
  out += "\" font-family=\"sans-serif\" font-size=\"";
  appendNumber(out, kLabelFontTwips);
  out += "\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  for (const ChartImage& image : picture.images) appendImage(out, image);
  for (const ChartBox& box : picture.boxes) appendBox(out, box);
  for (const auto& set : picture.lineSets) {
    for (const ChartLine& line : set) {
      if (line.visible) appendLine(out, line);
    }
  }
  for (const ChartLabel& label : picture.labels) {
    if (label.visible) appendLabel(out, label);
  }
  out += "</svg>\n";
  return out;
}

}  // namespace vianora
