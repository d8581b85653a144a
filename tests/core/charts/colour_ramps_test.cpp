#include "core/charts/colour_ramps.h"

#include <gtest/gtest.h>

#include <limits>

namespace vianora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct RampCase {
  double value, min, max;
  int red, green, blue;
};

TEST(ColourRamps, FadeAltitudeFromGreenToBlue) {
  // 128.5 of 0..255 gives channels of 126.5 and 128.5, rounded half to even; values outside the
  // range keep to its ends without negative or overflowing channels; no range is pure green.
  const RampCase cases[] = {
      {100, 100, 200, 0, 255, 0},   {200, 100, 200, 0, 0, 255},   {150, 100, 200, 0, 128, 128},
      {128.5, 0, 255, 0, 126, 128}, {50, 100, 200, 0, 255, 0},    {-1e9, 100, 200, 0, 255, 0},
      {250, 100, 200, 0, 0, 255},   {1e300, 100, 200, 0, 0, 255}, {-1000, 5, 5, 0, 255, 0},
      {5, 5, 5, 0, 255, 0},         {8844, 5, 5, 0, 255, 0},
  };
  for (const RampCase& c : cases) {
    EXPECT_EQ(ColoreAltitudine(c.value, c.min, c.max), rgb(c.red, c.green, c.blue)) << c.value;
  }
}

TEST(ColourRamps, FadeSpeedFromBlackToRed) {
  // The sign does not matter, halves go to even, beyond the maximum (or without one) is pure
  // red, and NaN black. The min field is unused.
  const RampCase cases[] = {
      {0, 0, 24, 0, 0, 0},     {24, 0, 24, 255, 0, 0},     {12, 0, 24, 128, 0, 0},
      {-12, 0, 24, 128, 0, 0}, {126.5, 0, 255, 126, 0, 0}, {127.5, 0, 255, 128, 0, 0},
      {48, 0, 24, 255, 0, 0},  {kInf, 0, 24, 255, 0, 0},   {1e300, 0, 1e-300, 255, 0, 0},
      {-3, 0, 0, 255, 0, 0},   {0, 0, 0, 255, 0, 0},       {kNaN, 0, 24, 0, 0, 0},
  };
  for (const RampCase& c : cases) {
    EXPECT_EQ(ColoreVelocita(c.value, c.max), rgb(c.red, c.green, c.blue)) << c.value;
  }
}

}  // namespace
}  // namespace vianora
