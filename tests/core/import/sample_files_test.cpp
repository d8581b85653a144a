// Every real track file we have must read without a crash, and a few are checked by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/analysis/statistics_texts.h"
#include "core/import/format_recognition.h"
#include "core/import/reader_choice.h"
#include "test_files.h"

namespace vianora {
namespace {

struct Read {
  Percorsi store;
  std::vector<ImportFailure> failures;
};

Read readSample(const std::string& relativePath) {
  Read read;
  const auto path = test_support::sampleFile(relativePath);
  if (!path) return read;
  importFile(read.store, path->string(), readerOfExtension(path->string()),
             [&](const ImportFailure& f) { read.failures.push_back(f); });
  return read;
}

std::vector<std::filesystem::path> allSamples() {
  std::vector<std::filesystem::path> files;
  for (const char* dir : {VIANORA_SAMPLES_REPO, VIANORA_SAMPLES_SHARED}) {
    for (const char* kind : {"gpx", "plt"}) {
      const std::filesystem::path folder = std::filesystem::path(dir) / kind;
      if (!std::filesystem::is_directory(folder)) continue;
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path());
      }
    }
  }
  return files;
}

TEST(SampleFiles, EveryOneIsRecognisedAndReadsWithBothReaders) {
  const auto files = allSamples();
  ASSERT_GE(files.size(), 50u);
  for (const auto& file : files) {
    const bool gpx = file.parent_path().filename() == "gpx";
    EXPECT_EQ(formatOfContent(file.string()), gpx ? ReaderKind::Gpx : ReaderKind::Plt) << file;
    for (ReaderKind reader : {ReaderKind::Gpx, ReaderKind::Plt}) {
      Percorsi store;
      importFile(store, file.string(), reader, [](const ImportFailure&) {});
      for (const Percorso& trip : store.trips()) {
        ASSERT_FALSE(trip.Punti.empty()) << file;
        statisticsTexts(computeTripStatistics(trip), DisplayFormat{});
      }
    }
  }
}

TEST(SampleFiles, WikipediaExampleGivesTheFiguresWorkedOutByHand) {
  Read r = readSample("gpx/georust-wikipedia_example.gpx");
  ASSERT_EQ(r.store.size(), 1u);
  EXPECT_TRUE(r.failures.empty());
  const Percorso& trip = r.store[0];
  EXPECT_EQ(trip.Nome, "Example GPX Document");
  EXPECT_EQ(trip.Punti.size(), 3u);
  EXPECT_EQ(trip.Codifica, 1);  // a blank stands before "?>"
  // Altitudes 4.46, 4.94, 6.87 m at one position, at 18:37:26, :31 and :34.
  const StatisticsTexts t = statisticsTexts(computeTripStatistics(trip), DisplayFormat{});
  EXPECT_EQ(t.ascent, "2.4");
  EXPECT_EQ(t.altitudeMax, "6.9");
  EXPECT_EQ(t.altitudeMaxKm, "0.002");
  EXPECT_EQ(t.altitudeMin, "4.5");
  EXPECT_EQ(t.altitudeMinKm, "0.000");
  EXPECT_EQ(t.distance, "0.002");
  EXPECT_EQ(t.climbTime, "00:00:08");
  EXPECT_EQ(t.start, "2009-10-17 18:37:26");
  EXPECT_EQ(t.end, "2009-10-17 18:37:34");
  EXPECT_EQ(t.duration, "00:00:08");
  EXPECT_EQ(t.averageSpeed, "1.085");  // 2.41 m in 8 s
  EXPECT_EQ(t.maxSpeed, "2.316");      // 1.93 m in 3 s
}

TEST(SampleFiles, TripsStartAtTheirFirstTimedPoint) {
  Read r = readSample("gpx/gpxpy-korita-zbevnica.gpx");
  if (r.store.isEmpty()) GTEST_SKIP() << "the shared sample collection is not here";
  ASSERT_EQ(r.store.size(), 4u);
  // The file's first point of "ACTIVE LOG #2" is at 10:57:10, its last at 13:19:31.
  const StatisticsTexts active = statisticsTexts(computeTripStatistics(r.store[3]), {});
  EXPECT_EQ(r.store[3].Nome, "ACTIVE LOG #2");
  EXPECT_EQ(active.start, "2010-10-03 10:57:10");
  EXPECT_EQ(active.duration, "02:22:21");
  // "03-OCT-10 #2" has no times at all.
  const StatisticsTexts untimed = statisticsTexts(computeTripStatistics(r.store[1]), {});
  EXPECT_EQ(untimed.start, "N.C.");
  EXPECT_EQ(untimed.duration, "N.C.");
}

TEST(SampleFiles, TimesAfterALineEndInsideTheElementStillRead) {
  // This writer puts a CR between <time> and the date: the date part starts with a blank.
  Read r = readSample("gpx/dougfales-gpx-arches.gpx");
  ASSERT_FALSE(r.store.trips().empty());
  EXPECT_TRUE(r.failures.empty());
  EXPECT_GT(r.store[0].Punti.back().DataOra, 38000.0);  // in 2006
}

TEST(SampleFiles, TimeZoneOffsetsAreReadAsWritten) {
  Read r = readSample("gpx/opentracks-gpx_timezone.gpx");
  EXPECT_TRUE(r.failures.empty());
}

TEST(SampleFiles, EachTrackOfAFileBecomesATripAndAnEmptyOneKeepsTheFileTime) {
  Read r = readSample("gpx/gpxpy-cerknicko-jezero.gpx");
  ASSERT_EQ(r.store.size(), 8u);
  for (const Percorso& trip : r.store.trips()) EXPECT_FALSE(trip.Nome.empty());
  // The time under <gpx> went into the placeholder's point; the first track has no points.
  EXPECT_EQ(r.store[0].Nome, "ACTIVE LOG");
  ASSERT_EQ(r.store[0].Punti.size(), 1u);
  EXPECT_EQ(r.store[0].Punti[0].DataOra, 40396.0 + (10 * 3600 + 36 * 60 + 35) / 86400.0);
  EXPECT_EQ(r.store[1].Punti.size(), 173u);
}

TEST(SampleFiles, OziExplorerTrackGivesOneTripOfItsPointLines) {
  Read r = readSample("plt/mapsoft2-ozi1.plt");
  if (r.store.isEmpty()) GTEST_SKIP() << "the shared sample collection is not here";
  EXPECT_TRUE(r.failures.empty());
  ASSERT_EQ(r.store.size(), 1u);
  EXPECT_EQ(r.store[0].Nome, "mapsoft2-ozi1.plt");
  EXPECT_EQ(r.store[0].Punti.size(), 11u);
  for (const Punto& p : r.store[0].Punti) EXPECT_EQ(p.Altitudine, 1.0);
}

}  // namespace
}  // namespace vianora
