#include "core/store/trip_titles.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

void addTrip(Percorsi& store, const char* name, const char* file) {
  Percorso& trip = store.startTrip();
  trip.Nome = name;
  trip.sourceFile = file;
}

TEST(TripTitles, NameUnnamedTripsByTheirPlaceAndTellSharedNamesApartByFile) {
  Percorsi store;
  addTrip(store, "ACTIVE LOG", "/home/u/tracks/monday.gpx");
  addTrip(store, "", "/home/u/tracks/monday.gpx");
  addTrip(store, "ACTIVE LOG", "tuesday.gpx");
  addTrip(store, "Lake", "tuesday.gpx");
  addTrip(store, "Lake", "");             // no file to tell it by
  addTrip(store, "(trip 1)", "odd.gpx");  // a name that reads like a title

  EXPECT_EQ(tripTitle(store, 0), "ACTIVE LOG");
  EXPECT_EQ(tripTitle(store, 1), "(trip 1)");
  const std::vector<std::string> expected = {"ACTIVE LOG - monday.gpx",
                                             "(trip 1) - monday.gpx",
                                             "ACTIVE LOG - tuesday.gpx",
                                             "Lake - tuesday.gpx",
                                             "Lake",
                                             "(trip 1) - odd.gpx"};
  EXPECT_EQ(tripListEntries(store), expected);
}

TEST(TripTitles, ListTheFreshStoreAsOneUnnamedTrip) {
  EXPECT_EQ(tripListEntries(Percorsi{}), std::vector<std::string>{"(trip 0)"});
}

}  // namespace
}  // namespace vianora
