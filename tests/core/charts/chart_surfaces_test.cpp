#include "core/charts/chart_surfaces.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(ChartSurfaces, FillTheDesignWindowUnderTheTabStrip) {
  const SurfaceSize size = chartSurfaceSize(kDesignClientWidth, kDesignClientHeight);
  EXPECT_EQ(size.width, 14895.0f - 90 - 50);
  EXPECT_EQ(size.height, 11445.0f - 1995 - 50);
}

TEST(ChartSurfaces, PlaceTheProfileAxesAboveTheOriginLabelAndBeforeTheCheckBoxes) {
  const ProfileAxes axes = profileAxesForSurface({11715, 5175}, {1000, 255, 225});
  EXPECT_EQ(axes.origin.top, 5175.0f - 225 - 100);
  EXPECT_EQ(axes.origin.left, 90.0f);
  EXPECT_EQ(axes.origin.caption, "0");
  EXPECT_EQ(axes.lineX.y1, axes.origin.top - 80);
  EXPECT_EQ(axes.lineX.y2, axes.lineX.y1);
  EXPECT_EQ(axes.lineX.x2, 11715.0f - 1000 - 10 - 50);
  EXPECT_EQ(axes.lineY.x1, 120.0f);
  EXPECT_EQ(axes.lineY.y1, 30.0f);
  EXPECT_EQ(axes.lineY.y2, axes.lineX.y1 + 20);
}

}  // namespace
}  // namespace vianora
