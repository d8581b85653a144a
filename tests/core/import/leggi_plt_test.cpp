#include "core/import/leggi_plt.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/import/reader_choice.h"

namespace vianora {
namespace {

struct Read {
  std::vector<ImportFailure> failures;
  void into(Percorsi& store, const std::string& bytes, const std::string& name = "t.plt") {
    LeggiPlt(store, bytes, name, [&](const ImportFailure& f) { failures.push_back(f); });
  }
};

const std::string kHeader =
    "OziExplorer Track Point File Version 2.1\r\n"
    "WGS 84\r\n"
    "Altitude is in Feet\r\n"
    "Reserved 3\r\n"
    "0,2,255,Track,0,0,2,8421376\r\n"
    "2\r\n";

TEST(LeggiPlt, ReadsAStandardTrackFileIntoOneTripNamedAfterTheFile) {
  Percorsi store;
  Read read;
  read.into(store,
            kHeader +
                "45.5,7.25,0,820.2,39756.5,04-Nov-08,12:00:00\r\n"
                "45.6,7.35,0,830,39756.75,04-Nov-08,18:00:00\r\n",
            "ride.plt");
  EXPECT_TRUE(read.failures.empty());
  ASSERT_EQ(store.size(), 1u);
  EXPECT_EQ(store[0].Nome, "ride.plt");
  const auto& points = store[0].Punti;
  ASSERT_EQ(points.size(), 2u);  // the track line's point was replaced by the first point
  EXPECT_EQ(points[0].Latitudine, 45.5);
  EXPECT_EQ(points[0].Longitudine, 7.25);
  EXPECT_EQ(points[0].Altitudine, 1.0);  // altitudes are not taken from the file
  EXPECT_EQ(points[0].DataOra, 39756.5);
  EXPECT_EQ(points[1].DataOra, 39756.75);
}

TEST(LeggiPlt, MatchesHeaderLinesInAnyCaseAndSkipsLineSix) {
  Percorsi store;
  Read read;
  read.into(store,
            "oziexplorer track\r\nwgs 84\r\nALTITUDE IS IN feet\r\nreserved\r\n"
            "1,1,0,0,1\r\n9,9,0,0,9\r\n2,2,0,0,2\r\nx SmartComGPS y\r\n3,3,0,0,3\r\n");
  const auto& points = store[0].Punti;
  ASSERT_EQ(points.size(), 3u);  // line 6 (9,9) is the point count, whatever it holds
  EXPECT_EQ(points[0].Latitudine, 1.0);
  EXPECT_EQ(points[1].Latitudine, 2.0);
  EXPECT_EQ(points[2].Latitudine, 3.0);
}

TEST(LeggiPlt, ReadsOtherDatumLinesAndEmptyLinesAsPoints) {
  Percorsi store;
  Read read;
  read.into(store, "OziExplorer\r\nEuropean 1950\r\n1.5,2.5\r\n\r\n");
  const auto& points = store[0].Punti;
  ASSERT_EQ(points.size(), 2u);  // the datum line's point was replaced
  EXPECT_EQ(points[0].Latitudine, 1.5);
  EXPECT_EQ(points[0].Longitudine, 2.5);
  EXPECT_EQ(points[0].DataOra, 0.0);
  EXPECT_EQ(points[1].Latitudine, 0.0);  // the empty line stays as a point
  EXPECT_EQ(points[1].Altitudine, 1.0);
}

TEST(LeggiPlt, TakesBareLineFeedsAndLoneCarriageReturnsAsLineEnds) {
  for (const char* end : {"\n", "\r"}) {
    Percorsi store;
    Read read;
    std::string bytes = "OziExplorer" + std::string(end) + "WGS 84" + end + "Altitude is in Feet" +
                        end + "Reserved 3" + end + "0,2,255,Track" + end + "1" + end +
                        "45.5,7.25,0,0,39756.5" + end + "46.5,8.25,0,0,39757";
    read.into(store, bytes);
    ASSERT_EQ(store[0].Punti.size(), 2u);
    EXPECT_EQ(store[0].Punti[1].Latitudine, 46.5);
  }
}

TEST(LeggiPlt, SplitsADecimalCommaIntoTwoFields) {
  Percorsi store;
  Read read;
  read.into(store, kHeader + "45,5,7,5,0,39756\r\n");
  EXPECT_EQ(store[0].Punti[0].Latitudine, 45.0);
  EXPECT_EQ(store[0].Punti[0].Longitudine, 5.0);
}

TEST(LeggiPlt, StopsAtAnImpossibleDayNumberKeepingThePointsBefore) {
  Percorsi store;
  Read read;
  read.into(store, kHeader + "45.5,7.25,0,0,39756.5\r\n46,8,0,0,3000000\r\n47,9,0,0,1\r\n");
  ASSERT_EQ(read.failures.size(), 1u);
  EXPECT_EQ(read.failures[0].number(), 6);
  EXPECT_EQ(read.failures[0].line, 8);
  const auto& points = store[0].Punti;
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[1].Latitudine, 46.0);  // keeps its position, not its time or altitude
  EXPECT_EQ(points[1].DataOra, 0.0);
  EXPECT_EQ(points[1].Altitudine, 0.0);
}

TEST(LeggiPlt, AcceptsTheWholeRangeOfDates) {
  Percorsi store;
  Read read;
  read.into(store, kHeader + "1,1,0,0,-657434\r\n2,2,0,0,2958465.99\r\n3,3,0,0,-657434.5\r\n");
  ASSERT_EQ(read.failures.size(), 1u);
  EXPECT_EQ(read.failures[0].line, 9);
  EXPECT_EQ(store[0].Punti[1].DataOra, 2958465.99);
}

TEST(LeggiPlt, OpensAndNamesTheTripEvenWhenTheFileCannotBeOpened) {
  Percorsi store;
  store.startTrip().Nome = "first";
  store.addPoint().Latitudine = 5;
  std::vector<ImportFailure> failures;
  importFile(store, "/no/such/dir/gone.plt", ReaderKind::Plt,
             [&](const ImportFailure& f) { failures.push_back(f); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].number(), 53);
  EXPECT_EQ(failures[0].line, 0);
  ASSERT_EQ(store.size(), 2u);
  EXPECT_EQ(store[1].Nome, "gone.plt");
  EXPECT_EQ(store[1].Punti.size(), 1u);
  EXPECT_EQ(store[0].Punti[0].Latitudine, 5.0);
}

TEST(LeggiPlt, TurnsAnUnnamedTripZeroIntoTheFilesTripAndAppendsTheNext) {
  Percorsi store;
  store.addPoint().Latitudine = 5;  // trip 0 has points but no name yet
  Read read;
  read.into(store, kHeader + "45.5,7.25,0,0,39756.5\r\n", "a.plt");
  read.into(store, kHeader + "46.5,7.25,0,0,39756.5\r\n", "b.plt");
  ASSERT_EQ(store.size(), 2u);
  EXPECT_EQ(store[0].Nome, "a.plt");
  ASSERT_EQ(store[0].Punti.size(), 1u);
  EXPECT_EQ(store[0].Punti[0].Latitudine, 45.5);
  EXPECT_EQ(store[1].Nome, "b.plt");
}

TEST(LeggiPlt, SurvivesEmptyFilesHugeLinesAndBinaryGarbage) {
  Percorsi store;
  Read read;
  read.into(store, "");
  read.into(store, std::string(10 * 1024 * 1024, '7') + "\r\n");  // a 10 MB number
  read.into(store, std::string("\0\xff\x80,\x01,,,,\r\r\n\n", 14));
  ASSERT_EQ(store.size(), 3u);
  ASSERT_EQ(read.failures.size(), 1u);
  EXPECT_EQ(read.failures[0].number(), 6);
}

TEST(LeggiPlt, StopsAtALineOver64MbKeepingThePointsBefore) {
  Percorsi store;
  Read read;
  read.into(store, kHeader + "45.5,7.25,0,0,39756.5\r\n" + std::string(64 * 1024 * 1024 + 1, '7') +
                       "\r\n46,8,0,0,39757\r\n");
  ASSERT_EQ(read.failures.size(), 1u);
  EXPECT_EQ(read.failures[0].line, 8);
  EXPECT_EQ(read.failures[0].number(), 7);
  EXPECT_EQ(read.failures[0].detail, "line longer than 64 MB");
  ASSERT_EQ(store[0].Punti.size(), 1u);
  EXPECT_EQ(store[0].Punti[0].Latitudine, 45.5);
}

}  // namespace
}  // namespace vianora
