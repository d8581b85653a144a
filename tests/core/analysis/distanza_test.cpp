#include "core/analysis/distanza.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vianora {
namespace {

Punto at(double lat, double lon, double alt = 1.0) { return Punto{lat, lon, alt, 0.0}; }

TEST(Distanza, CountsADegreeAsTheSameDistanceEverywhere) {
  EXPECT_EQ(Distanza(at(45, 7), at(45, 7)), 0.0);
  EXPECT_DOUBLE_EQ(Distanza(at(0, 0), at(1, 0)), 89.44271909999159);
  EXPECT_DOUBLE_EQ(Distanza(at(60, 0), at(60, 1)), 89.44271909999159);
  EXPECT_DOUBLE_EQ(Distanza(at(0, 0), at(0.01, 0.01)), 1.2649110640673518);
}

TEST(Distanza, AddsTheClimbAsAVerticalComponent) {
  EXPECT_EQ(Distanza(at(45, 7, 0), at(45, 7, 1000)), 1.0);
  EXPECT_DOUBLE_EQ(Distanza(at(0, 7, 100), at(0.001, 7, 110)), 0.09);
}

TEST(Distanza, DoesNotWrapAroundTheDateLine) {
  EXPECT_NEAR(Distanza(at(0, 179.9), at(0, -179.9)), 359.8 * std::sqrt(8000.0), 1e-9);
}

TEST(Distanza, IsTheSameInBothDirectionsToTheLastBit) {
  const Punto a = at(45.123456, 7.654321, 250.5);
  const Punto b = at(45.123789, 7.654987, 251.25);
  EXPECT_EQ(Distanza(a, b), Distanza(b, a));
}

}  // namespace
}  // namespace vianora
