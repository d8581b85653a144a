#include "core/import/leggi_tcx.h"

#include <gtest/gtest.h>

#include <string>

#include "core/import/input_file.h"
#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

// What reading bytes as a TCX file left (see storeText), then its failures.
std::string readTcx(std::string_view bytes) {
  Percorsi store;
  std::string failures;
  LeggiTcx(store, bytes, test_support::failureText(failures));
  return test_support::storeText(store) + failures;
}

// A trackpoint at lat,lon with the elements `more` inside it, in a `p` namespace or none.
std::string point(const std::string& lat, const std::string& lon, const std::string& more = {},
                  const std::string& p = {}) {
  return "<" + p + "Trackpoint>" + more + "<" + p + "Position><" + p + "LatitudeDegrees>" + lat +
         "</" + p + "LatitudeDegrees>\n<" + p + "LongitudeDegrees>" + lon + "</" + p +
         "LongitudeDegrees></" + p + "Position></" + p + "Trackpoint>\n";
}

TEST(LeggiTcx, ReadsCoursesAndActivitiesAsTrips) {
  const std::string noon = "<Time>2012-10-24T12:00:00Z</Time>";
  const struct {
    std::string bytes;
    std::string read;
  } cases[] = {
      // A course, then an activity whose two laps make one trip; a point without position.
      {"<?xml version='1.0'?><TrainingCenterDatabase><Courses><Course><Name>Loop</Name><Track>" +
           point("45.5", "7.25", noon + "<AltitudeMeters>300</AltitudeMeters>") +
           "</Track></Course></Courses><Activities><Activity Sport=\"Biking\">"
           "<Id>2012-10-24T23:29:40Z</Id><Lap><Track>" +
           point("46", "8") + "<Trackpoint>" + noon + "</Trackpoint></Track></Lap><Lap><Track>" +
           point("47", "9", "<Time>2012-10-24T06:00:00.5Z</Time>") +
           "</Track></Lap></Activity></Activities></TrainingCenterDatabase>",
       "Loop: 45.5,7.25,300,41206.500000 | Biking 2012-10-24T23:29:40Z: 46,8,1; "
       "47,9,1,41206.250006"},
      // Prefixed names, single quotes; a course point's position is no trackpoint.
      {"<ns1:Activity  Sport = 'Running'><ns1:Id>x</ns1:Id>" + point("1.5", "2.5", "", "ns1:") +
           "<CoursePoint><Position><LatitudeDegrees>3</LatitudeDegrees><LongitudeDegrees>4"
           "</LongitudeDegrees></Position></CoursePoint>",
       "Running x: 1.5,2.5,1"},
      // Comments are skipped; an empty Sport, no Id, no Name; a file cut inside a trackpoint.
      {"<!-- <Course><Name>c</Name> --><Activity Sport=\"\">" + point("1", "2") + "<Course>" +
           point("3", "4").substr(0, 100),
       "Activity: 1,2,1 | Course: 3,4,1"},
      // Values that do not read are reported with their line and left out.
      {"<Activity Sport=\"Other\">\n" + point("1e999", "2") +
           point("3", "4", "<AltitudeMeters>1e400</AltitudeMeters>") +
           point("5", "6", "\n<Time>2012-02-30T00:00:00Z</Time>"),
       "Other: 3,4,1; 5,6,1 !6@2 !6@4 !13@7"},
      {"<Course><Trackpoint><Position><LatitudeDegrees>1", "Course: 0,0,0"},
      {"", ": 0,0,0"},
      {std::string(1000, '<') + std::string(100000, 'a'), ": 0,0,0"},
  };
  for (const auto& c : cases) EXPECT_EQ(readTcx(c.bytes), c.read) << c.bytes;
}

TEST(LeggiTcx, ReadsTheSamples) {
  const struct {
    std::string file;
    std::string name;
  } cases[] = {
      {"tcx/tcxparser-test.tcx", "Running 2012-12-26T21:29:53Z"},
      {"tcx/tcxparser-no_hr.tcx", "Running 2012-12-26T21:29:53Z"},
  };
  for (const auto& c : cases) {
    const auto path = test_support::sampleFile(c.file);
    if (!path) GTEST_SKIP() << c.file << " is not here";
    BigBuffer bytes;
    ASSERT_FALSE(readWholeFile(path->string(), bytes));
    Percorsi store;
    std::string failures;
    LeggiTcx(store, bytes, test_support::failureText(failures));
    ASSERT_EQ(store.size(), 1U);
    Percorsi ends;  // the trip's name, first and last point
    ends.startTrip().Nome = store[0].Nome;
    ends.addPoint() = store[0].Punti.front();
    ends.addPoint() = store[0].Punti.back();
    EXPECT_EQ(test_support::storeText(ends) + failures,
              c.name +
                  ": 35.9519,-79.0932,178.943,41269.895752; 35.952,-79.093,166.445,"
                  "41269.918796");
    EXPECT_EQ(store[0].Punti.size(), 383U) << c.file;
  }
}

}  // namespace
}  // namespace vianora
