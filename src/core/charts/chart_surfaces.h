#pragma once

#include "core/charts/chart_picture.h"

namespace vianora {

/// The trip window's client area as designed, in twips.
inline constexpr float kDesignClientWidth = 14895.0f;
inline constexpr float kDesignClientHeight = 11445.0f;

/// Where the tab strip stands in the trip window, in twips: the surfaces hang under it.
inline constexpr float kTabStripLeft = 90.0f;
inline constexpr float kTabStripTop = 1620.0f;
inline constexpr float kTabStripHeight = 375.0f;
/// The room the surfaces leave to the window's right and bottom edges, in twips.
inline constexpr float kSurfaceEdgeGap = 50.0f;
/// The Profile surface's check boxes: their top, and the gap to the surface's right edge and
/// between the two, in twips.
inline constexpr float kCheckBoxTop = 30.0f;
inline constexpr float kCheckBoxGap = 10.0f;

/// The size of a drawing surface, in twips.
struct SurfaceSize {
  float width = 0;
  float height = 0;
};

/// The size of the three drawing surfaces for a window client area: they lie directly under
/// the tab strip and fill the window to 50 twips from its right and bottom edges.
SurfaceSize chartSurfaceSize(float clientWidth, float clientHeight);

/// The axis shapes of the "Profile" surface, which the progress chart copies: the horizontal
/// axis (LineX), the vertical axis (element 0 of LineY) and the origin label "0".
struct ProfileAxes {
  ChartLine lineX;
  ChartLine lineY;
  ChartLabel origin;
};

/// Sizes of the Profile surface's check boxes and labels, in twips. The window passes those of
/// its real controls; these are the original ones, for drawings made without a window.
struct ProfileControls {
  float checkBoxWidth = 1095.0f;
  float checkBoxHeight = 255.0f;
  float labelHeight = 225.0f;
};

/// Where the layout step puts the Profile surface's axes: the horizontal axis ends 50 twips
/// before the check boxes at the top right, and lies 80 twips above the origin label, which
/// stands 100 twips above the bottom; the vertical axis reaches 20 twips below it.
ProfileAxes profileAxesForSurface(SurfaceSize surface, const ProfileControls& controls = {});

}  // namespace vianora
