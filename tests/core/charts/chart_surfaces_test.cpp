#include "core/charts/chart_surfaces.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(ChartSurfaces, PlaceTheProfileAxesByTheControlsTheWindowPasses) {
  const ProfileAxes axes = profileAxesForSurface({11715, 5175}, {1000, 255, 300});
  // The window's own controls; the original ones are pinned by the golden charts. The label stands
  // 100 above the bottom, the axis 80 above it and 10 + 50 before the check boxes.
  EXPECT_EQ(axes.origin, (ChartLabel{90, 5175 - 300 - 100, "0"}));
  EXPECT_EQ(axes.lineX, (ChartLine{0, 4695, 11715 - 1000 - 10 - 50, 4695}));
  EXPECT_EQ(axes.lineY, (ChartLine{120, 30, 120, 4695 + 20}));
}

}  // namespace
}  // namespace vianora
