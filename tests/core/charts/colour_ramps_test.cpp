#include "core/charts/colour_ramps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {
namespace {

constexpr Rgb kGreen = rgb(0, 255, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kRed = rgb(255, 0, 0);

TEST(ColoreAltitudine, IsPureGreenAtTheMinimumAndPureBlueAtTheMaximum) {
  EXPECT_EQ(ColoreAltitudine(100, 100, 200), kGreen);
  EXPECT_EQ(ColoreAltitudine(200, 100, 200), kBlue);
}

TEST(ColoreAltitudine, RoundsTheMidpointHalfToEvenOnBothChannels) {
  const Rgb colour = ColoreAltitudine(150, 100, 200);
  EXPECT_EQ(redOf(colour), 0);
  EXPECT_EQ(greenOf(colour), 128);
  EXPECT_EQ(blueOf(colour), 128);
}

TEST(ColoreAltitudine, IsPureGreenForEveryValueWhenTheRangeIsZero) {
  for (double x : {-1000.0, 0.0, 5.0, 8844.43}) EXPECT_EQ(ColoreAltitudine(x, 5, 5), kGreen);
}

TEST(ColoreAltitudine, KeepsAValueBelowTheMinimumPureGreenWithoutNegativeChannels) {
  EXPECT_EQ(ColoreAltitudine(50, 100, 200), kGreen);
  EXPECT_EQ(ColoreAltitudine(-1e9, 100, 200), kGreen);
}

TEST(ColoreAltitudine, KeepsAValueAboveTheMaximumPureBlue) {
  EXPECT_EQ(ColoreAltitudine(250, 100, 200), kBlue);
  EXPECT_EQ(ColoreAltitudine(1e300, 100, 200), kBlue);
}

TEST(ColoreAltitudine, NeverSetsTheRedChannel) {
  for (double x = 0; x <= 300; x += 7.5) EXPECT_EQ(redOf(ColoreAltitudine(x, 0, 300)), 0);
}

TEST(ColoreVelocita, IsBlackAtZeroAndPureRedAtTheMaximum) {
  EXPECT_EQ(ColoreVelocita(0, 24), rgb(0, 0, 0));
  EXPECT_EQ(ColoreVelocita(24, 24), kRed);
}

TEST(ColoreVelocita, GivesTheSameRedToANegativeSpeed) {
  EXPECT_EQ(ColoreVelocita(12, 24), rgb(128, 0, 0));
  EXPECT_EQ(ColoreVelocita(-12, 24), rgb(128, 0, 0));
}

TEST(ColoreVelocita, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(redOf(ColoreVelocita(126.5, 255)), 126);
  EXPECT_EQ(redOf(ColoreVelocita(127.5, 255)), 128);
}

TEST(ColoreVelocita, IsPureRedForEveryValueWhenTheMaximumIsZero) {
  for (double x : {-3.0, 0.0, 12.0}) EXPECT_EQ(ColoreVelocita(x, 0), kRed);
}

TEST(ColoreVelocita, DrawsASpeedAboveTheMaximumPureRed) {
  EXPECT_EQ(ColoreVelocita(48, 24), kRed);
  EXPECT_EQ(ColoreVelocita(1e300, 1e-300), kRed);
  EXPECT_EQ(ColoreVelocita(std::numeric_limits<double>::infinity(), 24), kRed);
}

TEST(ColoreVelocita, GivesBlackRatherThanGarbageForANaNSpeed) {
  EXPECT_EQ(ColoreVelocita(std::nan(""), 24), rgb(0, 0, 0));
}

}  // namespace
}  // namespace vianora
