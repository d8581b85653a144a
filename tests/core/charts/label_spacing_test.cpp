#include "core/charts/label_spacing.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vianora {
namespace {

TEST(LabelSpacing, HidesLabelsThatRunIntoTheLastShownOrPastTheSurface) {
  // {lefts, shown before, shown after} of "0.25", 400 twips wide and wanting 60 more before the
  // next label, on a surface 2000 wide. A hidden label stays so and takes no room.
  const std::tuple<std::vector<float>, std::vector<bool>, std::vector<bool>> cases[] = {
      {{100, 400, 560, 700, 1020}, {1, 1, 1, 1, 1}, {1, 0, 1, 0, 1}},
      {{0, 459, 460}, {1, 1, 1}, {1, 0, 1}},
      {{100, 600, 700}, {1, 0, 1}, {1, 0, 1}},
      {{1600, 1601}, {1, 1}, {1, 0}},
      {{1601}, {1}, {0}},
  };
  for (const auto& [lefts, before, after] : cases) {
    ChartPicture picture{2000, 1000, {}, {}, {}, {}}, expected;
    for (std::size_t i = 0; i < lefts.size(); ++i) {
      picture.labels.push_back(ChartLabel{lefts[i], 500, "0.25", before[i]});
      expected.labels.push_back(ChartLabel{lefts[i], 500, "0.25", after[i]});
    }
    thinCrowdedLabels(picture);
    EXPECT_EQ(picture.labels, expected.labels) << lefts.front();
  }
}

}  // namespace
}  // namespace vianora
