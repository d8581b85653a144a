#include "core/charts/chart_view.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vianora {
namespace {

bool near(const ChartView& a, const ChartView& b) {
  return std::abs(a.scaleX - b.scaleX) < 1e-9 && std::abs(a.scaleY - b.scaleY) < 1e-9 &&
         std::abs(a.offsetX - b.offsetX) < 1e-6 && std::abs(a.offsetY - b.offsetY) < 1e-6;
}

TEST(ChartView, ZoomsAroundAFixedPointAndPansWithinTheirLimits) {
  const double l = 100, r = 1100;
  const ChartView twice{2, 2, -100, -50}, leftEnd{2, 1, -100, 0}, middle{2, 1, -600, 0};
  // {got, want}: the map's factor is clamped, not its zoom, so the anchor always stays put.
  const ChartView cases[][2] = {
      {mapZoomedAround({}, 2, 100, 50), twice},
      {mapZoomedAround({}, 0.1, 400, 200), {0.25, 0.25, 300, 150}},
      {mapZoomedAround({5e4, 5e4, 0, 0}, 4, 10, 20), {1e5, 1e5, -10, -20}},
      {mapZoomedAround(mapZoomedAround(twice, 1.25, 333, 777), 0.8, 333, 777), twice},
      {mapPanned(twice, 30, -40), {2, 2, -70, -90}},
      // Charts over the plot 100..1100: at zoom z, 1100 (1 - z) <= offset <= 100 (1 - z).
      {chartZoomedAround({}, 2, 600, l, r), middle},
      {chartZoomedAround(leftEnd, 2, 1000, l, r), {4, 1, -1200, 0}},
      // Zooming out at 1000 would show left of the plot (offset 175): held at 100 (1 - 1.5).
      {chartZoomedAround(leftEnd, 0.75, 1000, l, r), {1.5, 1, -50, 0}},
      {chartZoomedAround(middle, 0.25, 600, l, r), {}},
      {chartZoomedAround({5e4, 1, 600 - 3e7, 0}, 4, 600, l, r), {1e5, 1, 600 - 6e7, 0}},
      {chartZoomedAround(chartZoomedAround(middle, 1.25, 700, l, r), 0.8, 700, l, r), middle},
      {chartPanned(leftEnd, 50, l, r), leftEnd},
      {chartPanned(leftEnd, -2000, l, r), {2, 1, -1100, 0}},
      // 350..600 fills the plot: 4 * 350 - 1300 = 100 and 4 * 600 - 1300 = 1100.
      {chartRangeView(600, 350, l, r), {4, 1, -1300, 0}},
      // A click is widened to 1000 / 100000 around itself; more than the plot is all of it.
      {chartRangeView(600, 600, l, r), {1e5, 1, 100 - 599.995e5, 0}},
      {chartRangeView(0, 5000, l, r), {}},
  };
  for (int row = 0; const auto& [got, want] : cases) EXPECT_TRUE(near(got, want)) << row++;
  ChartView back;  // five notches in, five out: the zoom comes back as 1.0000000000000004
  for (int i = 0; i < 10; ++i) back = chartZoomedAround(back, i < 5 ? 1.1 : 1 / 1.1, 600, l, r);
  EXPECT_TRUE(back.isWhole());
}

}  // namespace
}  // namespace vianora
