#include "core/charts/chart_surfaces.h"

namespace vianora {

namespace {

// Design positions, twips.
constexpr float kVerticalAxisX = 120.0f;
constexpr float kVerticalAxisTop = 30.0f;
constexpr float kOriginLabelLeft = 90.0f;

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
  axes.origin.top = surface.height - controls.labelHeight - 100.0f;
  const float axisY = axes.origin.top - 80.0f;
  axes.lineX = ChartLine{0.0f, axisY, checkBoxLeft - kSurfaceEdgeGap, axisY};
  axes.lineY = ChartLine{kVerticalAxisX, kVerticalAxisTop, kVerticalAxisX, axisY + 20.0f};
  return axes;
}

}  // namespace vianora
