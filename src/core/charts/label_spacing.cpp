#include "core/charts/label_spacing.h"

namespace vianora {

void thinCrowdedLabels(ChartPicture& picture) {
  bool anyShown = false;
  float shownEnd = 0.0f;  // right end of the last label shown
  for (ChartLabel& label : picture.labels) {
    if (!label.visible) continue;
    const float width = static_cast<float>(label.caption.size()) * kLabelCharacterWidth;
    const bool crowded = anyShown && label.left < shownEnd + kLabelSpacing;
    const bool offSurface = label.left + width > picture.width;
    if (crowded || offSurface) {
      label.visible = false;
      continue;
    }
    anyShown = true;
    shownEnd = label.left + width;
  }
}

}  // namespace vianora
