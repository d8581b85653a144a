#include "core/charts/colour_ramps.h"

#include <gtest/gtest.h>

#include <limits>

namespace vianora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The charts' tests pin the common colours; these are the edges.
TEST(ColourRamps, RoundHalvesToEvenAndKeepChannelsWithinAByte) {
  // {0 altitude or 1 speed, value, min, max, red, green, blue}. Altitude: 128.5 of 0..255 gives
  // 126.5 and 128.5; far outside the range, or without one, the ends' colours. Speed (min
  // unused): the sign does not matter; beyond the maximum, or without one, red; NaN black.
  const double cases[][7] = {
      {0, 128.5, 0, 255, 0, 126, 128},  {0, -1e9, 100, 200, 0, 255, 0},
      {0, 1e300, 100, 200, 0, 0, 255},  {0, -1000, 5, 5, 0, 255, 0},
      {1, -12, 0, 24, 128, 0, 0},       {1, 126.5, 0, 255, 126, 0, 0},
      {1, 127.5, 0, 255, 128, 0, 0},    {1, kInf, 0, 24, 255, 0, 0},
      {1, 1e300, 0, 1e-300, 255, 0, 0}, {1, -3, 0, 0, 255, 0, 0},
      {1, kNaN, 0, 24, 0, 0, 0},
  };
  for (const auto& [speed, value, min, max, r, g, b] : cases) {
    const Rgb colour = speed ? ColoreVelocita(value, max) : ColoreAltitudine(value, min, max);
    EXPECT_EQ(colour, rgb(r, g, b)) << value;
  }
}

}  // namespace
}  // namespace vianora
