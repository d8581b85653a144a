#include "core/import/leggi_gpx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/util/day_number.h"

namespace vianora {
namespace {

struct Read {
  Percorsi store;
  std::vector<ImportFailure> failures;
};

// Reads file bytes the way the Open command hands them to the reader.
Read readGpx(const std::string& bytes) {
  Read read;
  LeggiGpx(read.store, bytes,
           [&](const ImportFailure& f) { read.failures.push_back(f); });
  return read;
}

double day(int y, int m, int d, int h, int mi, int s) {
  return *dayNumberOf(CivilDate{y, m, d}, h, mi, s);
}

constexpr const char* kMorningRide = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test">
  <metadata><name>Not a trip</name><time>2001-01-01T00:00:00Z</time><bounds minlat="1"/></metadata>
  <trk>
    <name>Morning ride</name>
    <trkseg>
      <trkpt lat="45.5" lon="7.25"><ele>250.5</ele><time>2007-06-21T08:30:15Z</time></trkpt>
      <trkpt lat="45.6" lon="7.35"><ele>260</ele><time>2007-06-21T08:31:15Z</time></trkpt>
    </trkseg>
  </trk>
</gpx>
)";

TEST(LeggiGpx, ReadsATrackIntoTheEmptyStore) {
  Read r = readGpx(kMorningRide);
  ASSERT_EQ(r.store.size(), 1u);
  EXPECT_TRUE(r.failures.empty());
  const Percorso& trip = r.store[0];
  EXPECT_EQ(trip.Nome, "Morning ride");
  EXPECT_EQ(trip.Versione, "1.0");
  EXPECT_EQ(trip.Codifica, 2);
  ASSERT_EQ(trip.Punti.size(), 2u);
  EXPECT_EQ(trip.Punti[0].Latitudine, 45.5);
  EXPECT_EQ(trip.Punti[0].Longitudine, 7.25);
  EXPECT_EQ(trip.Punti[0].Altitudine, 250.5);
  EXPECT_EQ(trip.Punti[0].DataOra, day(2007, 6, 21, 8, 30, 15));
  EXPECT_EQ(trip.Punti[1].Latitudine, 45.6);
  EXPECT_EQ(trip.Punti[1].Altitudine, 260.0);
  EXPECT_EQ(trip.Punti[1].DataOra, day(2007, 6, 21, 8, 31, 15));
}

TEST(LeggiGpx, StoresTheEncodingCodeAsTheDeclarationSpellsIt) {
  EXPECT_EQ(readGpx(R"(<?xml version="1.0" encoding="UTF-8" ?>)").store[0].Codifica, 1);
  EXPECT_EQ(readGpx(R"(<?xml version="1.0" encoding="utf-8"?>)").store[0].Codifica, 2);
  EXPECT_EQ(readGpx(R"(<?xml version="1.0" encoding="ISO-8859-1"?>)").store[0].Codifica, -1);
  EXPECT_EQ(readGpx(R"(<?xml version="1.0" encoding="ISO-8859-1" ?>)").store[0].Codifica, 0);
  EXPECT_EQ(readGpx(R"(<?xml version='1.0'?>)").store[0].Versione, "'1.0'?");
}

TEST(LeggiGpx, StoresTheNamesOfASingleByteFileInUtf8) {
  struct Case {
    const char* declaration;
    const char* name;      // as the file writes it
    const char* expected;  // in UTF-8
  };
  const Case cases[] = {
      {R"(<?xml version="1.0" encoding="ISO-8859-1"?>)", "Caff\xE8 N\xF6rdlingen \xFF",
       "Caff\xC3\xA8 N\xC3\xB6rdlingen \xC3\xBF"},
      {R"(<?xml version="1.0" encoding="ISO-8859-1" ?>)", "Caff\xE8", "Caff\xC3\xA8"},
      {R"(<?xml version="1.0" encoding='iso-8859-1'?>)", "Caff\xE8", "Caff\xC3\xA8"},
      {R"(<?xml version="1.0" encoding="latin1"?>)", "\x92", "\xC2\x92"},  // not Windows-1252
      {R"(<?xml version="1.0" encoding="windows-1252"?>)", "\x80 \x93ok\x94 \xE8",
       "\xE2\x82\xAC \xE2\x80\x9Cok\xE2\x80\x9D \xC3\xA8"},
      {R"(<?xml version="1.0" encoding="UTF-8"?>)", "Caff\xC3\xA8", "Caff\xC3\xA8"},
      {R"(<?xml version="1.0" encoding="ISO-8859-15"?>)", "Caff\xE8", "Caff\xE8"},
      {"", "Caff\xC3\xA8", "Caff\xC3\xA8"},
  };
  for (const Case& c : cases) {
    Read r =
        readGpx(std::string(c.declaration) + "<gpx><trk><name>" + c.name + "</name></trk></gpx>");
    EXPECT_EQ(r.store[0].Nome, c.expected) << c.declaration;
  }

  // The declaration of the file being read counts, not that of a file read before.
  Read two = readGpx("<?xml encoding=\"ISO-8859-1\"?><trk><name>A\xE8</name></trk>");
  LeggiGpx(two.store, "<trk><name>B\xC3\xA8</name></trk>", {});
  ASSERT_EQ(two.store.size(), 2u);
  EXPECT_EQ(two.store[0].Nome, "A\xC3\xA8");
  EXPECT_EQ(two.store[1].Nome, "B\xC3\xA8");
}

TEST(LeggiGpx, IgnoresTextBeforeTheFirstTagAndTextWithoutTags) {
  Read bom = readGpx("\xEF\xBB\xBF  <gpx><trk><name>a</name></trk></gpx>");
  EXPECT_EQ(bom.store[0].Nome, "a");
  EXPECT_TRUE(readGpx("").store.isEmpty());
  EXPECT_TRUE(readGpx("no tags at all").store.isEmpty());
  EXPECT_EQ(readGpx("no tags at all").store.size(), 1u);
}

TEST(LeggiGpx, GivesEachNamedTrackATripAndJoinsUnnamedOnesIntoTripZero) {
  Read two = readGpx(
      "<gpx><trk><name>A</name><trkseg><trkpt lat='1' lon='1'/></trkseg></trk>"
      "<trk><name>B</name><trkseg><trkpt lat=\"2\" lon=\"3\"></trkpt></trkseg></trk></gpx>");
  ASSERT_EQ(two.store.size(), 2u);
  EXPECT_EQ(two.store[0].Nome, "A");
  EXPECT_EQ(two.store[1].Nome, "B");
  EXPECT_EQ(two.store[1].Punti[0].Latitudine, 2.0);

  // Until trip 0 has a name, every track goes into it.
  Read unnamed = readGpx(
      "<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"1\"></trkpt></trkseg></trk>"
      "<rte><rtept lat=\"2\" lon=\"2\"></rtept><name>R</name></rte>"
      "<trk><trkseg><trkpt lat=\"3\" lon=\"3\"></trkpt></trkseg></trk></gpx>");
  ASSERT_EQ(unnamed.store.size(), 2u);
  EXPECT_EQ(unnamed.store[0].Nome, "R");
  EXPECT_EQ(unnamed.store[0].Punti.size(), 2u);
  EXPECT_EQ(unnamed.store[1].Punti[0].Latitudine, 3.0);
}

TEST(LeggiGpx, NamesARouteAfterItsLastNamedRoutePoint) {
  Read r = readGpx(
      "<gpx><rte><name>Route</name><rtept lat=\"1\" lon=\"2\"><name>P1</name></rtept>"
      "<rtept lat=\"3\" lon=\"4\"><name>P2</name></rtept></rte></gpx>");
  EXPECT_EQ(r.store[0].Nome, "P2");
  EXPECT_EQ(r.store[0].Punti.size(), 2u);
}

TEST(LeggiGpx, LeavesGpx10HeaderFieldsInThePlaceholderTrip) {
  Read r = readGpx(
      "<gpx version=\"1.0\"><name>File</name><time>2008-11-04T12:00:00Z</time>"
      "<bounds minlat=\"1\" maxlat=\"2\"/><trk><name>T</name><trkseg>"
      "<trkpt lat=\"1\" lon=\"2\"></trkpt></trkseg></trk></gpx>");
  ASSERT_EQ(r.store.size(), 2u);
  EXPECT_EQ(r.store[0].Nome, "File");
  ASSERT_EQ(r.store[0].Punti.size(), 1u);
  EXPECT_EQ(r.store[0].Punti[0].DataOra, 39756.5);
  EXPECT_EQ(r.store[1].Nome, "T");
}

TEST(LeggiGpx, SkipsWaypointsMetadataSpeedAndCourse) {
  Read r = readGpx(
      "<gpx><wpt lat=\"9\" lon=\"9\"><name>W</name><ele>5</ele></wpt>"
      "<metadata><name>M</name><time>bad</time></metadata>"
      "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"><speed>3</speed><course>4</course>"
      "<ele>7</ele></trkpt></trkseg></trk></gpx>");
  EXPECT_TRUE(r.failures.empty());
  EXPECT_EQ(r.store[0].Nome, "");
  ASSERT_EQ(r.store[0].Punti.size(), 1u);
  EXPECT_EQ(r.store[0].Punti[0].Altitudine, 7.0);
}

TEST(LeggiGpx, GivesAltitudeOneWithoutEleAndZeroForAnEmptyEle) {
  Read r = readGpx(
      "<trk><trkpt lat=\"1\" lon=\"1\"></trkpt><trkpt lat=\"2\" lon=\"2\"><ele></ele></trkpt>"
      "<trkpt lat=\"3\" lon=\"3\"><time>2007-06-21T08:30:15Z</time></trkpt></trk>");
  ASSERT_EQ(r.store[0].Punti.size(), 3u);
  EXPECT_EQ(r.store[0].Punti[0].Altitudine, 1.0);
  EXPECT_EQ(r.store[0].Punti[0].DataOra, 0.0);
  EXPECT_EQ(r.store[0].Punti[1].Altitudine, 0.0);
  EXPECT_EQ(r.store[0].Punti[2].Altitudine, 1.0);
}

TEST(LeggiGpx, ReadsTheDigitsAfterTheSecondsAsAFractionOfASecond) {
  struct Case {
    const char* time;
    double milliseconds;  // added to 2007-06-21 08:30:15
  };
  const Case cases[] = {
      {"2007-06-21T08:30:15.250Z", 250},
      {"2007-06-21T08:30:15.5Z", 500},
      {"2007-06-21T08:30:15.123456Z", 123.456},
      {"2007-06-21T08:30:15.05Z", 50},
      {"2007-06-21T08:30:15.5+02:00", 500},
      {"2007-06-21T08:30:15.75-0500", 750},
      {"2007-06-21T08:30:15.Z", 0},
      {"2007-06-21T08:30:15.x5Z", 0},
      {"2007-06-21T08:30:15+02:00", 0},  // the offset is not applied
  };
  const double base = day(2007, 6, 21, 8, 30, 15);
  for (const Case& c : cases) {
    Read r = readGpx(std::string("<trk><trkpt lat=\"1\" lon=\"2\"><time>") + c.time +
                     "</time></trkpt></trk>");
    EXPECT_TRUE(r.failures.empty()) << c.time;
    EXPECT_NEAR((r.store[0].Punti[0].DataOra - base) * 86400000, c.milliseconds, 0.001) << c.time;
  }
}

TEST(LeggiGpx, ReadsNumbersWithADotAndOnlyFromDoubleQuotedValues) {
  Read r = readGpx(
      "<trk><trkpt lat=\"45.5\" lon=\"9.25/\"></trkpt><trkpt lat = \"46\" lon='7'></trkpt>"
      "</trk>");
  EXPECT_TRUE(r.failures.empty());
  ASSERT_EQ(r.store[0].Punti.size(), 2u);
  EXPECT_EQ(r.store[0].Punti[0].Latitudine, 45.5);
  EXPECT_EQ(r.store[0].Punti[0].Longitudine, 9.25);
  EXPECT_EQ(r.store[0].Punti[1].Latitudine, 0.0);   // blanks around "=": a LAT without value
  EXPECT_EQ(r.store[0].Punti[1].Longitudine, 0.0);  // single quotes stay and read as 0
}

TEST(LeggiGpx, LeavesOutAPointWithoutLatOrLonWithItsContentAndReportsIt) {
  struct Case {
    const char* gpx;
    std::vector<Punto> points;  // latitude, longitude, altitude, day number
  };
  const double morning = day(2007, 6, 21, 8, 30, 15);
  const Case cases[] = {
      // A file cut off inside the tag of its second point.
      {"<gpx><trk><trkseg><trkpt lat=\"45.1\" lon=\"7.2\"><ele>5</ele></trkpt>"
       "<trkpt lat=\"45.1002\" lo",
       {{45.1, 7.2, 5, 0}}},
      // A point without lat between two: its ele and time do not land on the point before.
      {"<trk><trkpt lat=\"1\" lon=\"2\"><ele>5</ele><time>2007-06-21T08:30:15Z</time></trkpt>"
       "<trkpt lon=\"3\"><ele>99</ele><time>2008-01-01T00:00:00Z</time></trkpt>"
       "<trkpt lat=\"4\" lon=\"5\"></trkpt></trk>",
       {{1, 2, 5, morning}, {4, 5, 1, 0}}},
      // A first point without lon leaves no placeholder: the next one takes point 0.
      {"<rte><rtept lat=\"1\"><ele>9</ele></rtept><rtept lat=\"2\" lon=\"3\"></rtept></rte>",
       {{2, 3, 1, 0}}},
      // The only point of a trip refused: the trip keeps its zeroed point 0.
      {"<trk><name>T</name><trkpt lon=\"5\"><ele>9</ele></trkpt></trk>", {{0, 0, 0, 0}}},
      // A self-closed point has no content to skip: the points after it are read.
      {"<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"3\"/><trkpt lat=\"5\" lon=\"6\"/>"
       "</trkseg></trk>",
       {{1, 2, 1, 0}, {5, 6, 1, 0}}},
  };
  for (const Case& c : cases) {
    Read r = readGpx(c.gpx);
    ASSERT_EQ(r.failures.size(), 1u) << c.gpx;
    EXPECT_EQ(r.failures[0].number(), 1001);
    EXPECT_EQ(r.failures[0].shown, ImportFailure::Shown::ByGpxReader);
    const auto& points = r.store[0].Punti;
    ASSERT_EQ(points.size(), c.points.size()) << c.gpx;
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_EQ(points[i].Latitudine, c.points[i].Latitudine) << c.gpx << " point " << i;
      EXPECT_EQ(points[i].Longitudine, c.points[i].Longitudine) << c.gpx << " point " << i;
      EXPECT_EQ(points[i].Altitudine, c.points[i].Altitudine) << c.gpx << " point " << i;
      EXPECT_EQ(points[i].DataOra, c.points[i].DataOra) << c.gpx << " point " << i;
    }
  }
}

TEST(LeggiGpx, NamesThePointWithoutAPositionByItsNumberAndTag) {
  Read r = readGpx(
      "<trk><trkpt lat=\"1\" lon=\"2\"/><rtept lat=\"3\" lon=\"4\"></rtept>"
      "<trkpt lat=\"45.1002\" lon-x=\"7\"></trkpt>"
      "<trkpt lat=\"45.1002\" lo");
  ASSERT_EQ(r.failures.size(), 2u);
  EXPECT_EQ(r.failures[0].detail, "point 3 of the file, <trkpt lat=\"45.1002\" lon-x=\"7\">");
  EXPECT_EQ(r.failures[1].detail, "point 4 of the file, <trkpt lat=\"45.1002\" lo");
  const std::string longTag = "<trkpt lat=\"1\" ele=\"" + std::string(60, '9') + "\">";
  EXPECT_EQ(readGpx(longTag).failures.at(0).detail,
            "point 1 of the file, " + longTag.substr(0, 60) + "...");
}

TEST(LeggiGpx, KeepsOnlyTheLastPointWhenEveryLatitudeReadsZero) {
  Read r = readGpx(
      "<trk><trkpt lat='1' lon='1'></trkpt><trkpt lat='2' lon='2'></trkpt>"
      "<trkpt lat='3' lon='3'><ele>9</ele></trkpt></trk>");
  ASSERT_EQ(r.store[0].Punti.size(), 1u);
  EXPECT_EQ(r.store[0].Punti[0].Altitudine, 9.0);
}

TEST(LeggiGpx, ReadsEverySelfClosedPointThroughNestedContents) {
  Read r = readGpx(
      "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"3\" lon=\"4\"/>"
      "<trkpt lat=\"5\" lon=\"6\"><ele>7</ele></trkpt><trkpt lat=\"8\" lon=\"9\"/></trkseg></trk>");
  const auto& points = r.store[0].Punti;
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0].Longitudine, 2.0);  // the value reads through the slash
  EXPECT_EQ(points[0].Altitudine, 1.0);
  EXPECT_EQ(points[1].Latitudine, 3.0);
  EXPECT_EQ(points[2].Altitudine, 7.0);
  EXPECT_EQ(points[3].Latitudine, 8.0);
  EXPECT_EQ(points[3].Longitudine, 9.0);
}

TEST(LeggiGpx, ReadsTwoHundredThousandSelfClosedPointsWithoutRecursing) {
  std::string bytes = "<gpx><trk><trkseg>";
  for (int i = 0; i < 200000; ++i) bytes += "<trkpt lat=\"1.5\" lon=\"2.5\"/>";
  bytes += "</trkseg></trk></gpx>";
  Read r = readGpx(bytes);
  EXPECT_EQ(r.store[0].Punti.size(), 200000u);
}

TEST(LeggiGpx, NeedsTheClosingTagSpelledLikeTheOpeningOne) {
  // The point's content runs to the end of the segment: its time is still read.
  Read r = readGpx(
      "<trk><TRKPT lat=\"1\" lon=\"1\"><ele>5</ele></trkpt><trkpt lat=\"2\" lon=\"2\"></trkpt>"
      "<name>N</name></trk>");
  ASSERT_EQ(r.store[0].Punti.size(), 2u);
  EXPECT_EQ(r.store[0].Nome, "N");
}

TEST(LeggiGpx, KeepsTheNameAsWritten) {
  Read r = readGpx("<trk><name>  A &amp; B <![CDATA[x]]></name></trk>");
  EXPECT_EQ(r.store[0].Nome, "  A &amp; B <![CDATA[x]]>");
}

TEST(LeggiGpx, ReportsEachBadTimeAndKeepsEveryPoint) {
  Read r = readGpx(
      "<trk><trkpt lat=\"1\" lon=\"1\"><time>yesterday</time><ele>5</ele></trkpt>"
      "<trkpt lat=\"2\" lon=\"2\"><time></time></trkpt>"
      "<trkpt lat=\"3\" lon=\"3\"><ele>6</ele><time>2007-06-21T08:30:15Z</time></trkpt></trk>");
  ASSERT_EQ(r.failures.size(), 2u);
  EXPECT_EQ(r.failures[0].number(), 13);
  EXPECT_EQ(r.failures[0].shown, ImportFailure::Shown::ByGpxReader);
  const auto& points = r.store[0].Punti;
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].DataOra, 0.0);
  EXPECT_EQ(points[0].Altitudine, 1.0);  // the ele after the bad time is not read
  EXPECT_EQ(points[2].Altitudine, 6.0);
  EXPECT_GT(points[2].DataOra, 0.0);
}

TEST(LeggiGpx, ReportsANumberBeyondADoubleAndAbandonsTheEnclosingContent) {
  Read r = readGpx(
      "<gpx><trk><trkseg><trkpt lat=\"1e999\"></trkpt><trkpt lat=\"2\" lon=\"3\"></trkpt></trkseg>"
      "<name>after</name></trk></gpx>");
  ASSERT_EQ(r.failures.size(), 1u);
  EXPECT_EQ(r.failures[0].number(), 6);
  EXPECT_EQ(r.store[0].Punti.size(), 1u);  // the rest of the segment is abandoned
  EXPECT_EQ(r.store[0].Nome, "after");     // the track goes on after the segment
}

TEST(LeggiGpx, KeepsWhatATruncatedFileHeldAndSurvivesGarbage) {
  const std::string whole = kMorningRide;
  const std::string cut = whole.substr(0, whole.find("<ele>260"));
  Read r = readGpx(cut);
  ASSERT_EQ(r.store[0].Punti.size(), 2u);
  EXPECT_EQ(r.store[0].Punti[1].Latitudine, 45.6);
  EXPECT_EQ(r.store[0].Punti[1].Altitudine, 1.0);

  std::string garbage;
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  readGpx(garbage);
  readGpx("<trk><name>" + std::string(10 * 1024 * 1024, 'x'));  // a 10 MB line
  Read deep = readGpx(std::string(100000, '<') + std::string(100000, '>'));
  EXPECT_TRUE(deep.store.isEmpty());
}

}  // namespace
}  // namespace vianora
