#include "core/charts/label_spacing.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

ChartPicture labelsAt(std::initializer_list<float> lefts, float width = 10000) {
  ChartPicture picture;
  picture.width = width;
  for (float left : lefts) picture.labels.push_back(ChartLabel{left, 500, "0.25"});
  return picture;
}

std::vector<bool> shown(const ChartPicture& picture) {
  std::vector<bool> visible;
  for (const ChartLabel& label : picture.labels) visible.push_back(label.visible);
  return visible;
}

TEST(LabelSpacing, KeepsLabelsThatHaveRoomAndHidesThoseThatRunIntoTheLastShown) {
  // "0.25" is 400 twips wide: the next label needs to start 460 twips on.
  ChartPicture picture = labelsAt({100, 400, 560, 700, 1100});
  thinCrowdedLabels(picture);
  EXPECT_EQ(shown(picture), (std::vector<bool>{true, false, true, false, true}));
}

TEST(LabelSpacing, HidesALabelThatWouldRunPastTheSurface) {
  ChartPicture picture = labelsAt({100, 9700}, 10000);
  thinCrowdedLabels(picture);
  EXPECT_EQ(shown(picture), (std::vector<bool>{true, false}));
}

TEST(LabelSpacing, LeavesPositionsAndCaptionsAlone) {
  ChartPicture picture = labelsAt({100, 200});
  thinCrowdedLabels(picture);
  EXPECT_EQ(picture.labels[1].left, 200.0f);
  EXPECT_EQ(picture.labels[1].caption, "0.25");
}

}  // namespace
}  // namespace vianora
