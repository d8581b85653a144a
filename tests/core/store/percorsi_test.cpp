#include "core/store/percorsi.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

std::vector<double> latitudes(const Percorso& trip) {
  std::vector<double> values;
  for (const Punto& p : trip.Punti) values.push_back(p.Latitudine);
  return values;
}

// A fresh store is one unnamed trip holding one zeroed point; the first trip read fills trip 0,
// its first point the zeroed slot, marked by latitude 1.0 until the reader stores the real one.
TEST(Percorsi, FillsTripZeroAndPointZeroBeforeAppending) {
  Percorsi store;
  ASSERT_EQ(store.size(), 1u);
  EXPECT_TRUE(store.isEmpty());
  EXPECT_EQ(store.nextTripIndex(), 0u);
  const Punto& zeroed = store[0].Punti.at(0);
  EXPECT_EQ((std::vector{zeroed.Latitudine, zeroed.Longitudine, zeroed.Altitudine, zeroed.DataOra}),
            (std::vector{0.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(&store.startTrip(), &store[0]);
  EXPECT_EQ(store.addPoint().Latitudine, 1.0);
  store.lastPoint() = {0.0, 7, 100, 1};  // a first point at latitude 0 is replaced by the next
  store.addPoint() = {45, 8, 200, 2};
  store.addPoint().Latitudine = 46;
  EXPECT_EQ(latitudes(store[0]), (std::vector<double>{45, 46}));
  EXPECT_EQ(store[0].Punti[0].Longitudine, 8);
  store.lastTrip().Nome = "first";
  EXPECT_EQ(store.nextTripIndex(), 1u);
  store.startTrip();
  store.startTrip();  // only trip 0's name decides, whatever the last trip is
  ASSERT_EQ(store.size(), 3u);
  store.addPoint() = {47, 8, 200, 2};
  store.addPoint() = {48, 8, 200, 2};
  store.resetPoints();  // the last trip only
  EXPECT_EQ(latitudes(store[2]), (std::vector<double>{0}));
  EXPECT_EQ(latitudes(store[0]), (std::vector<double>{45, 46}));
  EXPECT_EQ(store.firstTripWithPoints(0), 0u);
  EXPECT_EQ(store.firstTripWithPoints(1), std::nullopt);
}

}  // namespace
}  // namespace vianora
