#include "core/store/percorsi.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(Percorsi, StartsWithOneUnnamedTripHoldingOneZeroedPoint) {
  Percorsi store;
  ASSERT_EQ(store.size(), 1u);
  EXPECT_TRUE(store.isEmpty());
  ASSERT_EQ(store[0].Punti.size(), 1u);
  const Punto& p = store[0].Punti[0];
  EXPECT_EQ(p.Latitudine, 0.0);
  EXPECT_EQ(p.Longitudine, 0.0);
  EXPECT_EQ(p.Altitudine, 0.0);
  EXPECT_EQ(p.DataOra, 0.0);
  EXPECT_EQ(store[0].Versione, "");
  EXPECT_EQ(store[0].Codifica, 0);
}

TEST(Percorsi, FillsTripZeroWhileItHasNoNameThenAppends) {
  Percorsi store;
  store.startTrip();
  EXPECT_EQ(store.size(), 1u);  // still empty: the first trip goes into trip 0
  store.lastTrip().Nome = "first";
  store.startTrip();
  ASSERT_EQ(store.size(), 2u);
  EXPECT_EQ(store[1].Nome, "");
  EXPECT_EQ(store[1].Punti.size(), 1u);
  // Only trip 0's name decides, whatever the last trip is.
  store.startTrip();
  EXPECT_EQ(store.size(), 3u);
}

TEST(Percorsi, FirstPointReusesTheZeroedSlotWithAPlaceholderLatitude) {
  Percorsi store;
  Punto& first = store.addPoint();
  EXPECT_EQ(store.lastTrip().Punti.size(), 1u);
  EXPECT_EQ(first.Latitudine, 1.0);
  first.Latitudine = 45.0;
  store.addPoint();
  EXPECT_EQ(store.lastTrip().Punti.size(), 2u);
  EXPECT_EQ(store.lastPoint().Latitudine, 0.0);
}

TEST(Percorsi, APointAtLatitudeZeroIsReplacedByTheNextOne) {
  Percorsi store;
  store.addPoint() = Punto{0.0, 7.0, 100.0, 1.0};
  store.addPoint() = Punto{45.0, 8.0, 200.0, 2.0};
  ASSERT_EQ(store.lastTrip().Punti.size(), 1u);
  EXPECT_EQ(store.lastTrip().Punti[0].Longitudine, 8.0);
}

TEST(Percorsi, ResetPointsLeavesOneZeroedPointInTheLastTripOnly) {
  Percorsi store;
  store.addPoint() = Punto{45.0, 8.0, 200.0, 2.0};
  store.lastTrip().Nome = "a";
  store.startTrip();
  store.addPoint() = Punto{46.0, 8.0, 200.0, 2.0};
  store.addPoint() = Punto{47.0, 8.0, 200.0, 2.0};
  store.resetPoints();
  EXPECT_EQ(store[1].Punti.size(), 1u);
  EXPECT_EQ(store[1].Punti[0].Latitudine, 0.0);
  EXPECT_EQ(store[0].Punti.size(), 1u);
  EXPECT_EQ(store[0].Punti[0].Latitudine, 45.0);
}

}  // namespace
}  // namespace vianora
