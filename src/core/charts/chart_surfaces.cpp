#include "core/charts/chart_surfaces.h"

namespace vianora {

namespace {

// Design positions, twips.
constexpr float kVerticalAxisX = 120.0f;
constexpr float kVerticalAxisTop = 30.0f;
constexpr float kOriginLabelLeft = 90.0f;
/// The origin label stands this far above the surface's bottom edge, the horizontal axis this
/// far above the label, and the vertical axis reaches this far below the horizontal one.
constexpr float kOriginLabelAboveBottom = 100.0f;
constexpr float kAxisAboveOriginLabel = 80.0f;
constexpr float kVerticalAxisOvershoot = 20.0f;

}  // namespace

SurfaceSize chartSurfaceSize(float clientWidth, float clientHeight) {
  const float top = kTabStripTop + kTabStripHeight;
  return {clientWidth - kTabStripLeft - kSurfaceEdgeGap, clientHeight - top - kSurfaceEdgeGap};
}

ProfileAxes profileAxesForSurface(SurfaceSize surface, const ProfileControls& controls) {
  ProfileAxes axes;
  const float checkBoxLeft = surface.width - controls.checkBoxWidth - kCheckBoxGap;
  axes.origin.caption.assign(1, '0');
  axes.origin.left = kOriginLabelLeft;
  axes.origin.top = surface.height - controls.labelHeight - kOriginLabelAboveBottom;
  const float axisY = axes.origin.top - kAxisAboveOriginLabel;
  axes.lineX = ChartLine{0.0f, axisY, checkBoxLeft - kSurfaceEdgeGap, axisY};
  axes.lineY =
      ChartLine{kVerticalAxisX, kVerticalAxisTop, kVerticalAxisX, axisY + kVerticalAxisOvershoot};
  return axes;
}

}  // namespace vianora
