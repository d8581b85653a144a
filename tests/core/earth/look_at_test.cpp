#include "core/earth/look_at.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vianora {
namespace {

std::vector<double> values(const LookAt& v) {
  return {v.latitude, v.longitude, v.altitude, v.range, v.tilt, v.heading};
}

// Heading = azimuth; values outside KML's ranges are brought into them, no numbers become 0.
TEST(LookAt, CarriesTheCameraInKmlRanges) {
  const double nan = std::nan("");
  EXPECT_EQ(values(lookAtOf({45.25, 7.5, 1000.0, 1, 1500.0, 30.0, 90.0, 4.0})),
            (std::vector{45.25, 7.5, 1000.0, 1500.0, 30.0, 90.0}));
  EXPECT_EQ(values(lookAtOf({95.0, -200.0, nan, 2, -5.0, 120.0, 450.0, 4.0})),
            (std::vector{90.0, -180.0, 0.0, 0.0, 90.0, 90.0}));
  EXPECT_EQ(values(lookAtOf({-95.0, 200.0, -10, 2, nan, -3.0, -400.0, 4.0})),
            (std::vector{-90.0, 180.0, -10.0, 0.0, 0.0, -40.0}));
  const AltitudeMode modes[] = {altitudeModeOf(0), altitudeModeOf(1), altitudeModeOf(2),
                                altitudeModeOf(3)};
  std::string names;
  for (const AltitudeMode mode : modes) names += altitudeModeName(mode) + std::string(" ");
  EXPECT_EQ(names, "clampToGround relativeToGround absolute clampToGround ");
}

}  // namespace
}  // namespace vianora
