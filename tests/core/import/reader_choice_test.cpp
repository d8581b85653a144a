#include "core/import/reader_choice.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <vector>

#include "core/util/file_title.h"
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

const std::string kPlt = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n45,7,0,0,39756\r\n";
const std::string kGpx =
    "<?xml version=\"1.0\"?><gpx><trk><trkpt lat=\"45\" lon=\"7\"/></trk></gpx>";

TEST(ReaderChoice, ReadsByContentWhenTheFilterCannotTellOrContentSaysTheOtherFormat) {
  const struct {
    ReaderKind picked;
    std::string name;
    std::string bytes;
    ReaderKind reader;
  } cases[] = {
      {ReaderKind::None, "a.txt", kGpx, ReaderKind::Gpx},  // all files, or no filter reported
      {ReaderKind::None, "b.gpx", kPlt, ReaderKind::Plt},
      {ReaderKind::Plt, "c.gpx", kGpx, ReaderKind::Gpx},  // the content wins over the filter
      {ReaderKind::Gpx, "d.plt", kPlt, ReaderKind::Plt},
      {ReaderKind::Gpx, "e.txt", "garbage", ReaderKind::Gpx},  // the content cannot tell
      {ReaderKind::Plt, "f.gpx", "", ReaderKind::Plt},
      {ReaderKind::None, "g.GPX", "garbage", ReaderKind::Gpx},  // then the extension
      {ReaderKind::None, "h.plt", "", ReaderKind::Plt},
      {ReaderKind::None, "i.txt", "garbage", ReaderKind::None},
  };
  for (const auto& c : cases) {
    const auto path = test_support::writeTempFile(c.name, c.bytes);
    EXPECT_EQ(readerForFile(c.picked, path.string()), c.reader) << c.name;
  }
  EXPECT_EQ(readerForFile(ReaderKind::None, "/no/such/ride.plt"), ReaderKind::Plt);
}

TEST(ReaderChoice, SaysHowTheReadEndedAndWhy) {
  using enum ReaderKind;
  using enum ImportOutcome;
  const auto file = [](const char* name, const std::string& bytes) {
    return test_support::writeTempFile(name, bytes).string();
  };
  const std::string folder = test_support::writeTempFile("x", "").parent_path().string();
  const std::string missing = folder + "/missing.gpx";
  // A sparse file larger than the computer's memory, which takes no room on the disk.
  const std::string huge = file("huge.gpx", "");
  std::filesystem::resize_file(huge, std::uintmax_t{1} << 40);
  const struct {
    std::string path;
    ReaderKind reader;
    ImportOutcome outcome;
    std::vector<int> failures;
  } cases[] = {
      {file("ok.gpx", kGpx), Gpx, Found, {}},
      {file("empty.gpx", ""), Gpx, NothingFound, {}},
      {file("bin.gpx", std::string("\0\x01\xFF<\x89", 5)), Gpx, NothingFound, {}},
      {file("wpt.gpx", "<gpx><wpt lat=\"45\" lon=\"7\"/></gpx>"), Gpx, NothingFound, {}},
      // A track without points is a trip, but brings no point.
      {file("bare.gpx", "<gpx><trk><name>t</name></trk></gpx>"), Gpx, NothingFound, {}},
      {file("empty.plt", ""), Plt, NothingFound, {}},
      {file("x.plt", kPlt), Gpx, NothingFound, {}},
      {missing, Gpx, Unreadable, {53}},
      {missing, Plt, Unreadable, {53}},
      {missing, None, Unreadable, {53}},
      {folder, Gpx, Unreadable, {75}},
      {folder, Plt, Unreadable, {75}},
      {folder, None, Unreadable, {75}},
      {"/dev/null", Gpx, Unreadable, {75}},  // a device is not a file, however it reads
      {"/dev/null", Plt, Unreadable, {75}},
      {"/dev/null", None, Unreadable, {75}},
      {"/dev/zero", Gpx, Unreadable, {75}},  // it would never end
      {"/dev/zero", Plt, Unreadable, {75}},
      {huge, Gpx, Unreadable, {7}},  // refused before a byte is read
      {file("notes.txt", "notes"), None, NotRecognised, {}},
  };
  for (const auto& c : cases) {
    Percorsi store;
    std::vector<int> failures;
    const ImportOutcome outcome = importFile(
        store, c.path, c.reader, [&](const ImportFailure& f) { failures.push_back(f.number()); });
    EXPECT_EQ(outcome, c.outcome) << c.path;
    EXPECT_EQ(failures, c.failures) << c.path;
  }
}

TEST(ReaderChoice, AFileWithoutReadPermissionIsAnAccessError) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const auto path = test_support::writeTempFile("locked.gpx", kGpx);
  std::filesystem::permissions(path, std::filesystem::perms::none);
  for (ReaderKind reader : {ReaderKind::Gpx, ReaderKind::Plt, ReaderKind::None}) {
    Percorsi store;
    std::vector<int> failures;
    EXPECT_EQ(importFile(store, path.string(), reader,
                         [&](const ImportFailure& f) { failures.push_back(f.number()); }),
              ImportOutcome::Unreadable);
    EXPECT_EQ(failures, std::vector<int>{75});
  }
}

// Runs the import on a thread of its own; if it is still waiting on the pipe after a few
// seconds, the test fails and a writer comes and goes, so that the read ends with the pipe.
ImportOutcome importWithoutHanging(const std::filesystem::path& pipe, ReaderKind reader,
                                   std::vector<std::string>& failures) {
  using namespace std::chrono_literals;
  auto read = std::async(std::launch::async, [&] {
    Percorsi store;
    return importFile(store, pipe.string(), reader,
                      [&](const ImportFailure& f) { failures.push_back(f.detail); });
  });
  if (read.wait_for(3s) == std::future_status::timeout) {
    ADD_FAILURE() << "the read waited on the pipe";
    while (read.wait_for(100ms) == std::future_status::timeout) {
      const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
  }
  return read.get();
}

TEST(ReaderChoice, RefusesAPipeWithoutWaitingForAWriter) {
  const auto pipe = test_support::writeTempFile("x", "").parent_path() / "pipe.gpx";
  std::filesystem::remove(pipe);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (ReaderKind reader : {ReaderKind::Gpx, ReaderKind::Plt, ReaderKind::None}) {
    std::vector<std::string> failures;
    EXPECT_EQ(importWithoutHanging(pipe, reader, failures), ImportOutcome::Unreadable);
    EXPECT_EQ(failures, std::vector<std::string>{"not a regular file"});
  }
}

TEST(ReaderChoice, StopsAtTheProgressCallWhereAStopIsRequested) {
  std::string bytes = "<gpx><trk><name>p</name><trkseg>";
  for (int i = 0; i < 20000; ++i) bytes += "<trkpt lat=\"45.1\" lon=\"7.2\"></trkpt>\r\n";
  bytes += "</trkseg></trk><trk><name>q</name><trkpt lat=\"1\" lon=\"2\"/></trk></gpx>";
  const auto path = test_support::writeTempFile("stop.gpx", bytes);
  for (int stopAt : {1, 5}) {  // reading the file, reading its text
    Percorsi store;
    int calls = 0;
    const ImportOutcome outcome = importFile(store, path.string(), ReaderKind::Gpx, {}, {},
                                             [&] { return ++calls == stopAt; });
    EXPECT_EQ(outcome, ImportOutcome::Stopped);
    EXPECT_EQ(calls, stopAt);
    EXPECT_NE(store[0].Nome, "q");  // the last trip was never reached
  }
}

TEST(ReaderChoice, EveryTripNamesTheFileItWasReadFrom) {
  const auto empty = test_support::writeTempFile("empty.gpx", "");
  const auto two =
      test_support::writeTempFile("two.gpx",
                                  "<gpx><trk><name>a</name><trkpt lat=\"45\" lon=\"7\"/></trk>"
                                  "<rte><name>b</name><rtept lat=\"46\" lon=\"7\"/></rte></gpx>");
  const auto plt = test_support::writeTempFile(
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
  const auto path = test_support::writeTempFile("progress.gpx", bytes);
  Percorsi store;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
  EXPECT_EQ(
      importFile(store, path.string(), ReaderKind::Gpx, {},
                 [&](std::uint64_t done, std::uint64_t total) { calls.emplace_back(done, total); }),
      ImportOutcome::Found);
  ASSERT_GE(calls.size(), 4u);  // every 64 KiB of about 1 MB, not once per tag
  EXPECT_LT(calls.size(), 100u);
  for (std::size_t i = 1; i < calls.size(); ++i) EXPECT_GE(calls[i].first, calls[i - 1].first);
  EXPECT_LE(calls.back().first, calls.back().second);
  EXPECT_EQ(store[0].Punti.size(), 20000u);
}

}  // namespace
}  // namespace vianora
