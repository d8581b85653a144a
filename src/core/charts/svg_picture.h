#pragma once

#include <string>

#include "core/charts/chart_picture.h"

namespace vianora {

/// A chart picture as an SVG document whose user units are twips (viewBox = the surface), so
/// that every line keeps the coordinates it was computed with. Lines carry their colours as
/// #rrggbb, dotted lines a dash pattern, tick labels are text elements with their captions.
/// Hidden lines and labels are left out.
std::string svgOfPicture(const ChartPicture& picture);

}  // namespace vianora
