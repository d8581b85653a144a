#pragma once

#include "core/charts/chart_picture.h"

namespace vianora {

/// Width of one character of a tick label (8 points), in twips, and the least room between
/// two labels shown side by side.
inline constexpr float kLabelCharacterWidth = 100.0f;
inline constexpr float kLabelSpacing = 60.0f;

/// Hides every tick label that would run into the label shown before it, or past the surface's
/// right edge, judging widths by the captions' lengths: a dense grid then keeps readable labels
/// instead of a smear. Positions and captions stay; the grid lines are not touched.
void thinCrowdedLabels(ChartPicture& picture);

}  // namespace vianora
