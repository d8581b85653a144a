#include "core/earth/look_at.h"

#include <gtest/gtest.h>

#include <limits>

namespace vianora {
namespace {

TEST(FlightCameraParams, TakesThePositionAndTheFixedCameraValues) {
  const CameraParams params = flightCameraParams({45.25, 7.5, 812.0, 39756.5});
  EXPECT_EQ(params.lat, 45.25);
  EXPECT_EQ(params.lon, 7.5);
  EXPECT_EQ(params.alt, 1000.0);  // not the point's altitude
  EXPECT_EQ(params.altMode, 1);
  EXPECT_EQ(params.range, 1000.0);
  EXPECT_EQ(params.tilt, 0.0);
  EXPECT_EQ(params.azimuth, 0.0);
  EXPECT_EQ(params.speed, 4.0);
}

TEST(LookAt, CarriesTheCameraWithHeadingFromAzimuth) {
  const LookAt view = lookAtOf({45.25, 7.5, 1000.0, 1, 1500.0, 30.0, 90.0, 4.0});
  EXPECT_EQ(view.latitude, 45.25);
  EXPECT_EQ(view.longitude, 7.5);
  EXPECT_EQ(view.altitude, 1000.0);
  EXPECT_EQ(view.range, 1500.0);
  EXPECT_EQ(view.tilt, 30.0);
  EXPECT_EQ(view.heading, 90.0);
  EXPECT_EQ(view.altitudeMode, AltitudeMode::RelativeToGround);
}

TEST(LookAt, MapsAltModeOneAndTwoAndLeavesOthersToTheGround) {
  EXPECT_EQ(altitudeModeOf(1), AltitudeMode::RelativeToGround);
  EXPECT_EQ(altitudeModeOf(2), AltitudeMode::Absolute);
  EXPECT_EQ(altitudeModeOf(0), AltitudeMode::ClampToGround);
  EXPECT_EQ(altitudeModeOf(3), AltitudeMode::ClampToGround);
  EXPECT_STREQ(altitudeModeName(AltitudeMode::RelativeToGround), "relativeToGround");
  EXPECT_STREQ(altitudeModeName(AltitudeMode::Absolute), "absolute");
  EXPECT_STREQ(altitudeModeName(AltitudeMode::ClampToGround), "clampToGround");
}

TEST(LookAt, BringsValuesIntoKmlRanges) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const LookAt view = lookAtOf({95.0, -200.0, nan, 2, -5.0, 120.0, 450.0, 4.0});
  EXPECT_EQ(view.latitude, 90.0);
  EXPECT_EQ(view.longitude, -180.0);
  EXPECT_EQ(view.altitude, 0.0);
  EXPECT_EQ(view.range, 0.0);
  EXPECT_EQ(view.tilt, 90.0);
  EXPECT_EQ(view.heading, 90.0);
  EXPECT_EQ(view.altitudeMode, AltitudeMode::Absolute);
  EXPECT_EQ(lookAtOf({nan, nan, 0, 1, 0, -3.0, -400.0, 0}).heading, -40.0);
  EXPECT_EQ(lookAtOf({nan, nan, 0, 1, 0, -3.0, 0, 0}).tilt, 0.0);
}

}  // namespace
}  // namespace vianora
