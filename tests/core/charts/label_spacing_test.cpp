#include "core/charts/label_spacing.h"

#include <gtest/gtest.h>

#include <vector>

namespace vianora {
namespace {

TEST(LabelSpacing, HidesLabelsThatRunIntoTheLastShownOrPastTheSurface) {
  // "0.25" is 400 twips wide and wants 60 more before the next label: a label at 100 leaves the
  // next one room from 560 on. The surface is 2000 twips wide: a label may end at 2000.
  struct Case {
    std::vector<float> lefts;
    std::vector<bool> shownBefore, shownAfter;
  };
  const Case cases[] = {
      {{100, 400, 560, 700, 1020}, {1, 1, 1, 1, 1}, {1, 0, 1, 0, 1}},
      {{0, 459, 460}, {1, 1, 1}, {1, 0, 1}},
      {{100, 600, 700}, {1, 0, 1}, {1, 0, 1}},  // a hidden label stays so and takes no room
      {{1600}, {1}, {1}},
      {{1601}, {1}, {0}},
  };
  for (const Case& c : cases) {
    ChartPicture picture;
    picture.width = 2000;
    for (std::size_t i = 0; i < c.lefts.size(); ++i) {
      picture.labels.push_back(ChartLabel{c.lefts[i], 500, "0.25", c.shownBefore[i]});
    }
    std::vector<ChartLabel> expected = picture.labels;  // positions and captions stay
    for (std::size_t i = 0; i < c.lefts.size(); ++i) expected[i].visible = c.shownAfter[i];
    thinCrowdedLabels(picture);
    EXPECT_EQ(picture.labels, expected) << c.lefts.front();
  }
}

}  // namespace
}  // namespace vianora
