#include "import/reader_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_files.h"

namespace vianora {
namespace {

TEST(ReaderChoice, PicksTheReaderByTheSelectedFilter) {
  EXPECT_EQ(readerKeyOfFilter(1), "GPX");
  EXPECT_EQ(readerKeyOfFilter(2), "PLT");
  EXPECT_EQ(readerKeyOfFilter(3), "*");
  EXPECT_EQ(readerKeyOfFilter(0), "0");
  EXPECT_EQ(readerOfKey(readerKeyOfFilter(1)), ReaderKind::Gpx);
  EXPECT_EQ(readerOfKey(readerKeyOfFilter(2)), ReaderKind::Plt);
  EXPECT_EQ(readerOfKey(readerKeyOfFilter(3)), ReaderKind::None);
  EXPECT_EQ(readerOfKey(readerKeyOfFilter(7)), ReaderKind::None);
}

TEST(ReaderChoice, PicksTheReaderByExtensionInAnyCase) {
  EXPECT_EQ(readerOfExtension("/a/b/ride.GPX"), ReaderKind::Gpx);
  EXPECT_EQ(readerOfExtension("walk.Plt"), ReaderKind::Plt);
  EXPECT_EQ(readerOfExtension("notes.txt"), ReaderKind::None);
  EXPECT_EQ(readerOfExtension("/dir.gpx/file"), ReaderKind::None);
  EXPECT_EQ(readerOfTypeName("GPX"), ReaderKind::Gpx);
  EXPECT_FALSE(readerOfTypeName("kml").has_value());
  EXPECT_EQ(fileTitle("/home/me/tracks/ride.plt"), "ride.plt");
}

TEST(ReaderChoice, ReadsAPltFileWithTheGpxReaderWhenToldAndFindsNothing) {
  const auto path = testing::writeTempFile(
      "x.plt", "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n45,7,0,0,39756\r\n");
  Percorsi store;
  int failures = 0;
  importFile(store, path.string(), ReaderKind::Gpx, [&](const ImportFailure&) { ++failures; });
  EXPECT_TRUE(store.isEmpty());
  EXPECT_EQ(store[0].Punti.size(), 1u);
  EXPECT_EQ(failures, 0);
  importFile(store, path.string(), ReaderKind::None, [&](const ImportFailure&) { ++failures; });
  EXPECT_TRUE(store.isEmpty());
}

TEST(ReaderChoice, EveryTripNamesTheFileItWasReadFrom) {
  const auto empty = testing::writeTempFile("empty.gpx", "");
  const auto two = testing::writeTempFile(
      "two.gpx",
      "<gpx><trk><name>a</name><trkpt lat=\"45\" lon=\"7\"/></trk>"
      "<rte><name>b</name><rtept lat=\"46\" lon=\"7\"/></rte></gpx>");
  const auto plt = testing::writeTempFile(
      "one.plt", "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n45,7,0,0,39756\r\n");
  Percorsi store;
  // The empty file leaves the store empty: trip 0 is still the next file's.
  importFile(store, empty.string(), ReaderKind::Gpx, {});
  importFile(store, two.string(), ReaderKind::Gpx, {});
  importFile(store, plt.string(), ReaderKind::Plt, {});
  ASSERT_EQ(store.size(), 3u);
  EXPECT_EQ(store[0].sourceFile, two.string());
  EXPECT_EQ(store[1].sourceFile, two.string());
  EXPECT_EQ(store[2].sourceFile, plt.string());
}

TEST(ReaderChoice, ReportsProgressUpToTheWholeFile) {
  std::string bytes = "<gpx><trk><name>p</name><trkseg>";
  for (int i = 0; i < 20000; ++i)
    bytes += "<trkpt lat=\"45.1\" lon=\"7.2\"><ele>1</ele></trkpt>\r\n";
  bytes += "</trkseg></trk></gpx>";
  const auto path = testing::writeTempFile("progress.gpx", bytes);
  Percorsi store;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
  importFile(store, path.string(), ReaderKind::Gpx, {},
             [&](std::uint64_t done, std::uint64_t total) { calls.emplace_back(done, total); });
  ASSERT_GE(calls.size(), 4u);  // every 64 KiB of about 1 MB, not once per tag
  EXPECT_LT(calls.size(), 100u);
  for (std::size_t i = 1; i < calls.size(); ++i) EXPECT_GE(calls[i].first, calls[i - 1].first);
  EXPECT_LE(calls.back().first, calls.back().second);
  EXPECT_EQ(store[0].Punti.size(), 20000u);
}

}  // namespace
}  // namespace vianora
