#include "core/import/leggi_gpx.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/import/gpx_file.h"
#include "core/import/gpx_text.h"
#include "core/util/day_number.h"
#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

// What a read left (see storeText), then its failures; each is the GPX reader's.
std::string readGpx(std::string_view bytes, Percorsi store = {}) {
  std::string failures;
  LeggiGpx(store, bytes, [&](const ImportFailure& f) {
    EXPECT_EQ(f.shown, ImportFailure::Shown::ByGpxReader);
    test_support::failureText(failures)(f);
  });
  return test_support::storeText(store) + failures;
}

// 2007-06-21 is day 39254; 08:30:15 is 30615 s of 86400, 08:31:15 is 30675 s.
constexpr const char* kMorningRide = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test">
  <metadata><name>Not a trip</name><time>2001-01-01T00:00:00Z</time><bounds minlat="1"/></metadata>
  <trk>
    <name>Morning ride</name>
    <trkseg>
      <trkpt lat="45.5" lon="7.25"><ele>250.5</ele><time>2007-06-21T08:30:15Z</time></trkpt>
      <trkpt lat="45.6" lon="7.35"><ele>260</ele><time>2007-06-21T08:31:15Z</time></trkpt>
</trkseg></trk></gpx>)";

TEST(LeggiGpx, ReadsTracksRoutesPointsAndTheirFailures) {
  const struct {
    std::string gpx;
    std::string read;
  } cases[] = {
      {kMorningRide, "Morning ride: 45.5,7.25,250.5,39254.354340; 45.6,7.35,260,39254.355035"},
      {"\xEF\xBB\xBF  <gpx><trk><name>a</name></trk></gpx>", "a: 0,0,0"},
      // Each named track a trip; single quotes stay on a value, which reads 0.
      {"<gpx><trk><name>A</name><trkseg><trkpt lat='1' lon='1'/></trkseg></trk>"
       "<trk><name>B</name><trkseg><trkpt lat=\"2\" lon=\"3\"></trkpt></trkseg></trk></gpx>",
       "A: 0,0,1 | B: 2,3,1"},
      // Until trip 0 has a name every track goes into it; a route is named by its last name.
      {"<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"1\"></trkpt></trkseg></trk>"
       "<rte><rtept lat=\"2\" lon=\"2\"><name>P1</name></rtept><name>R</name></rte>"
       "<trk><trkseg><trkpt lat=\"3\" lon=\"3\"></trkpt></trkseg></trk></gpx>",
       "R: 1,1,1; 2,2,1 | : 3,3,1"},
      // GPX 1.0 header fields go to the placeholder trip.
      {"<gpx version=\"1.0\"><name>File</name><time>2008-11-04T12:00:00Z</time>"
       "<bounds minlat=\"1\"/><trk><name>T</name><trkpt lat=\"1\" lon=\"2\"></trkpt></trk></gpx>",
       "File: 0,0,0,39756.500000 | T: 1,2,1"},
      {"<gpx><wpt lat=\"9\" lon=\"9\"><name>W</name><ele>5</ele></wpt>"
       "<metadata><name>M</name><time>bad</time></metadata>"
       "<trk><trkpt lat=\"1\" lon=\"2\"><speed>3</speed><course>4</course><ele>7</ele>"
       "</trkpt><trkpt lat=\"2\" lon=\"2\"><ele></ele></trkpt></trk></gpx>",
       ": 1,2,7; 2,2,0"},
      // Blanks around "=" leave LAT without a value; the value reads through a slash.
      {"<trk><trkpt lat=\"45.5\" lon=\"9.25/\"/><trkpt lat = \"46\" lon=\"7\"></trkpt></trk>",
       ": 45.5,9.25,1; 0,7,1"},
      // Only the last point stays while every latitude reads 0.
      {"<trk><trkpt lat='1' lon='1'></trkpt><trkpt lat='3' lon='3'><ele>9</ele></trkpt></trk>",
       ": 0,0,9"},
      // A closing tag spelled otherwise: the point's content runs on, its name is read.
      {"<trk><TRKPT lat=\"1\" lon=\"1\"><ele>5</ele></trkpt><trkpt lat=\"2\" lon=\"2\"></trkpt>"
       "<name>N</name></trk>",
       "N: 1,1,5; 2,2,1"},
      {"<trk><name>  A &amp; B <![CDATA[x]]></name></trk>", "  A &amp; B <![CDATA[x]]>: 0,0,0"},
      // A bad time abandons the rest of its point; an empty one fails too.
      {"<trk><trkpt lat=\"1\" lon=\"1\"><time>yesterday</time><ele>5</ele></trkpt>\r\n"
       "<trkpt lat=\"2\" lon=\"2\"><time></time></trkpt>\r"
       "<trkpt lat=\"3\" lon=\"3\"><ele>6</ele><time>2007-06-21T08:30:15Z</time></trkpt></trk>",
       ": 1,1,1; 2,2,1; 3,3,6,39254.354340 !13@1 !13@2"},
      {"<trkpt lat=\"1\" lon=\"1\"><time>2007-02-29T08:30:15Z</time><ele>5</ele></trkpt>",
       ": 1,1,1 !13@1"},  // no such day, though written the usual way
      // A number beyond a double abandons the segment; a line end in quotes counts as one.
      {"<gpx><trk><trkseg><trkpt lat=\"1e999\"></trkpt><trkpt lat=\"2\" lon=\"3\"></trkpt>"
       "</trkseg>\n<desc>a,\"two\nlines\"</desc>\n<trkpt lat=\"4\" lon=\"5\"><ele>1e999</ele>"
       "</trkpt><name>after</name></trk></gpx>",
       "after: 1,0,0; 4,5,1 !6@1 !6@4"},
      {"<trk><trkpt lat=\"1\" lon=\"2\"><time>2007-06-21T08:30:15Z</time></trkpt>"
       "<trkpt lon=\"3\"><ele>99</ele><time>2008-01-01T00:00:00Z</time></trkpt>\n\n"
       "<trkpt lat=\"4\" lon=\"5\"></trkpt><rtept lat=\"6\"/><rtept lat=\"7\" lon=\"8\"/></trk>",
       ": 1,2,1,39254.354340; 4,5,1; 7,8,1 !1001@1 point 2 of the file, <trkpt lon=\"3\"> "
       "!1001@3 point 4 of the file, <rtept lat=\"6\"/>"},
      // A file cut inside a point's tag adds no point at longitude 0.
      {"<gpx><trk><trkpt lat=\"45.1\" lon=\"7.2\"><ele>5</ele></trkpt><trkpt lat=\"45.1002\" lo",
       ": 45.1,7.2,5 !1001@1 point 2 of the file, <trkpt lat=\"45.1002\" lo"},
      // A long tag is cut at 60 bytes, but not inside a character.
      {"<trkpt ele=\"" + std::string(47, '9') + "\xC3\xA8\">",
       ": 0,0,0 !1001@1 point 1 of the file, <trkpt ele=\"" + std::string(47, '9') + "..."},
      {std::string(100000, '<') + std::string(100000, '>'), ": 0,0,0"},
  };
  for (const auto& c : cases) EXPECT_EQ(readGpx(c.gpx), c.read) << c.gpx;
  const std::string whole = kMorningRide;
  EXPECT_EQ(readGpx(whole.substr(0, whole.find("<ele>260"))),
            "Morning ride: 45.5,7.25,250.5,39254.354340; 45.6,7.35,1");
}

TEST(LeggiGpx, KeepsTheDeclarationAndReadsNamesInItsCharset) {
  const struct {
    const char* declaration;
    std::string version;
    int encoding;
    const char* name;      // as the file writes it
    const char* expected;  // in UTF-8
  } cases[] = {
      {R"(<?xml version="1.0" encoding="ISO-8859-1" ?>)", "1.0", 0, "Caff\xE8 \xFF",
       "Caff\xC3\xA8 \xC3\xBF"},
      {R"(<?xml version="1.0" encoding="ISO-8859-1"?>)", "1.0", -1, "\xE8", "\xC3\xA8"},
      {R"(<?xml version="1.0" encoding="UTF-8" ?>)", "1.0", 1, "\xC3\xA8", "\xC3\xA8"},
      {R"(<?xml version="1.1" encoding="utf-8"?>)", "1.1", 2, "\xC3\xA8", "\xC3\xA8"},
      {R"(<?xml version='1.0' encoding='iso-8859-1'?>)", "'1.0'", -1, "\xE8", "\xC3\xA8"},
      {R"(<?xml encoding="latin1"?>)", "", -1, "\x92", "\xC2\x92"},  // not Windows-1252
      {R"(<?xml encoding="windows-1252"?>)", "", -1, "\x80 \x93ok\x94",
       "\xE2\x82\xAC \xE2\x80\x9Cok\xE2\x80\x9D"},
      {R"(<?xml encoding="ISO-8859-15"?>)", "", -1, "\xE8", "\xE8"},
      {R"(<?xml encoding=XLATIN1'?>)", "", -1, "\xE8", "\xE8"},  // only a quote at each end goes
  };
  for (const auto& c : cases) {
    Percorsi store;
    LeggiGpx(store, std::string(c.declaration) + "<gpx><trk><name>" + c.name + "</name></trk>", {});
    EXPECT_EQ(store[0].Versione, c.version) << c.declaration;
    EXPECT_EQ(store[0].Codifica, c.encoding) << c.declaration;
    EXPECT_EQ(store[0].Nome, c.expected) << c.declaration;
  }
  // The declaration of the file being read counts, not that of a file read before.
  Percorsi store;
  LeggiGpx(store, "<?xml encoding=\"ISO-8859-1\"?><trk><name>A\xE8</name></trk>", {});
  EXPECT_EQ(readGpx("<trk><name>B\xE8</name></trk>", store), "A\xC3\xA8: 0,0,0 | B\xE8: 0,0,0");
}

TEST(LeggiGpx, ReadsTheDigitsAfterTheSecondsAsAFractionOfASecond) {
  const std::pair<const char*, double> cases[] = {
      {"15.250Z", 250}, {"15.5Z", 500},      {"15.123456Z", 123.456},
      {"15.05Z", 50},   {"15.5+02:00", 500}, {"15.75-0500", 750},
      {"15.Z", 0},      {"15.x5Z", 0},       {"15+02:00", 0},
  };
  const double base = *dayNumberOf(CivilDate{2007, 6, 21}, 8, 30, 15);
  for (const auto& [seconds, milliseconds] : cases) {
    Percorsi store;
    LeggiGpx(store, "<trkpt lat='1' lon='2'><time>2007-06-21T08:30:" + std::string(seconds), {});
    EXPECT_NEAR((store[0].Punti[0].DataOra - base) * 86400000, milliseconds, 0.001) << seconds;
  }
}

// Where a file is cut into pieces as it is read, and how far its text is made when the reader
// looks, change nothing: every GPX sample, read in pieces of 1, 7 and 4096 bytes and in one,
// and its text shown 1 (small files), 13 and 4096 characters at a time, gives the trips and
// failures of its bytes read whole, to the last bit of every number.
TEST(LeggiGpx, ReadsAFileTheSameWhereverItsPiecesAreCut) {
  const auto exactText = [](const Percorsi& store, const std::string& failures) {
    std::string text = failures;
    for (const Percorso& trip : store.trips()) {
      text += "|" + trip.Nome;
      for (const Punto& p : trip.Punti) {
        char point[128];
        std::snprintf(point, sizeof point, ";%a,%a,%a,%a", p.Latitudine, p.Longitudine,
                      p.Altitudine, p.DataOra);
        text += point;
      }
    }
    return text;
  };
  const auto some = test_support::sampleFile("gpx/georust-wikipedia_example.gpx");
  ASSERT_TRUE(some);
  for (const auto& entry : std::filesystem::directory_iterator(some->parent_path())) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    Percorsi whole;
    std::string failures;
    LeggiGpx(whole, bytes, test_support::failureText(failures));
    const std::string expected = exactText(whole, failures);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{4096}, bytes.size()}) {
      Percorsi store;
      std::string pieceFailures;
      LeggiGpxFile(store, entry.path().string(), test_support::failureText(pieceFailures), {},
                   piece);
      EXPECT_EQ(exactText(store, pieceFailures), expected) << entry.path() << " in pieces of " << piece;
    }
    const std::string text = prepareGpxText(bytes);
    GpxTextLines lines(bytes);
    for (const std::size_t step : {std::size_t{1}, std::size_t{13}, std::size_t{4096}}) {
      if (step == 1 && bytes.size() > 200'000) continue;
      TextInSteps steps(text, step);
      Percorsi store;
      std::string stepFailures;
      LeggiGpxText(
          store, steps, [&](std::size_t at) { return lines.lineOf(at); },
          test_support::failureText(stepFailures));
      EXPECT_EQ(exactText(store, stepFailures), expected) << entry.path() << " in steps of " << step;
    }
  }
}

// A text still being made reads as its whole: tracks whose ends are made at every cut, and
// one whose end is not made within a few MB, whose points take room up to the text's end.
TEST(LeggiGpx, ReadsATextStillBeingMadeAsTheWholeText) {
  const std::string point = "<trkpt lat=\"1\" lon=\"2\"/> ";
  const struct {
    std::string text;
    std::size_t step;
  } cases[] = {{"<gpx><trk>" + point + "</trk> <trk>" + point + "</trk> </gpx> ", 1},
               {"<gpx><trk>" + point + std::string(5 << 20, ' ') + point + "</trk></gpx> ", 1 << 20}};
  for (const auto& [text, step] : cases) {
    TextInSteps steps(text, step);
    Percorsi store;
    LeggiGpxText(store, steps, [](std::size_t) { return std::int64_t{0}; }, {});
    EXPECT_EQ(test_support::storeText(store), ": 1,2,1; 1,2,1") << step;
  }
}

// A big file is read on two threads: progress still comes on the caller's, counts the bytes
// read and the text read out of twice the file's size, and an exception thrown from it (the
// user closed the window) ends the reading.
TEST(LeggiGpx, ReportsTheProgressOfAFileReadOnTwoThreadsAndStopsWhenItThrows) {
  const auto path = test_support::sampleFile("gpx/gpsbabel-dg100.gpx");
  ASSERT_TRUE(path);
  const std::uint64_t size = std::filesystem::file_size(*path);
  const auto caller = std::this_thread::get_id();
  std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
  Percorsi store;
  LeggiGpxFile(
      store, path->string(), {},
      [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        calls.emplace_back(done, total);
      },
      4096);
  ASSERT_GT(calls.size(), 10U);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].second, 2 * size);
    EXPECT_LE(calls[i].first, 2 * size);
    if (i > 0) {
      EXPECT_GE(calls[i].first, calls[i - 1].first);
    }
  }
  EXPECT_GT(calls.back().first, size);

  struct Closed {};
  int left = 3;
  Percorsi stopped;
  EXPECT_THROW(LeggiGpxFile(
                   stopped, path->string(), {},
                   [&](std::uint64_t, std::uint64_t) {
                     if (--left == 0) throw Closed{};
                   },
                   4096),
               Closed);
}

}  // namespace
}  // namespace vianora
