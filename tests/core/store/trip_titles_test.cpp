#include "core/store/trip_titles.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(TripTitles, NameUnnamedTripsByTheirPlaceAndTellSharedNamesApartByFile) {
  EXPECT_EQ(tripListEntries(Percorsi{}), std::vector<std::string>{"(trip 0)"});
  Percorsi store;
  for (const auto& [name, file] : {std::pair{"ACTIVE LOG", "/home/u/tracks/monday.gpx"},
                                   {"", "/home/u/tracks/monday.gpx"},
                                   {"ACTIVE LOG", "tuesday.gpx"},
                                   {"Lake", "tuesday.gpx"},
                                   {"Lake", ""},  // no file to tell it by
                                   {"(trip 1)", "odd.gpx"},
                                   {"(trip 9)", "odd.gpx"},
                                   {"(trip 1x)", "odd.gpx"}}) {
    Percorso& trip = store.startTrip();
    trip.Nome = name;
    trip.sourceFile = file;
  }
  EXPECT_EQ(tripTitle(store, 1), "(trip 1)");
  EXPECT_EQ(tripListEntries(store),
            (std::vector<std::string>{"ACTIVE LOG - monday.gpx", "(trip 1) - monday.gpx",
                                      "ACTIVE LOG - tuesday.gpx", "Lake - tuesday.gpx", "Lake",
                                      "(trip 1) - odd.gpx", "(trip 9)", "(trip 1x)"}));
}

}  // namespace
}  // namespace vianora
