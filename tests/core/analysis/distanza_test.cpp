#include "core/analysis/distanza.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

// One degree either way is sqrt(8000) km at every latitude, with no wrap at the date line;
// 1000 m of climb is 1 km.
TEST(Distanza, CountsDegreesFlatAndTheClimbAsAVerticalComponent) {
  const struct {
    Punto a, b;
    double km;
  } cases[] = {{{45, 7, 1, 0}, {45, 7, 1, 0}, 0.0},
               {{0, 0, 1, 0}, {1, 0, 1, 0}, 89.44271909999159},
               {{60, 0, 1, 0}, {60, 1, 1, 0}, 89.44271909999159},
               {{0, 0, 1, 0}, {0.01, 0.01, 1, 0}, 1.2649110640673518},
               {{45, 7, 0, 0}, {45, 7, 1000, 0}, 1.0},
               {{0, 7, 100, 0}, {0.001, 7, 110, 0}, 0.09},
               {{0, 179.9, 1, 0}, {0, -179.9, 1, 0}, 32181.49033217697}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(Distanza(c.a, c.b), c.km);
    EXPECT_EQ(Distanza(c.a, c.b), Distanza(c.b, c.a));
  }
}

}  // namespace
}  // namespace vianora
