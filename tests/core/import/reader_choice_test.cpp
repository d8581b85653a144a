#include "core/import/reader_choice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "core/analysis/statistics_texts.h"
#include "core/import/format_recognition.h"
#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

using enum ReaderKind;
using enum ImportOutcome;
const std::string kPlt = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n45,7,0,0,39756\r\n";
const std::string kGpx = "<?xml?><gpx><trk><trkpt lat=\"45\" lon=\"7\"/></trk></gpx>";

std::string file(const char* name, const std::string& bytes) {
  return test_support::writeTempFile(name, bytes).string();
}

// A fresh folder holding pipe.gpx, a pipe that nobody writes to: it must not be waited for.
std::string folderWithPipe() {
  const auto folder = test_support::makeTempFolder("folder");
  EXPECT_EQ(::mkfifo((folder / "pipe.gpx").c_str(), 0600), 0);
  return folder.string();
}

TEST(ReaderChoice, PicksTheReaderByFilterKeyOrTypeName) {
  const std::string_view keys[] = {"0", "GPX", "PLT", "*", "0"};
  for (int i = -1; i < 5; ++i) EXPECT_EQ(readerKeyOfFilter(i), keys[std::max(i, 0)]) << i;
  EXPECT_EQ((std::vector{readerOfKey("GPX"), readerOfKey("PLT"), readerOfKey("*")}),
            (std::vector{Gpx, Plt, None}));
  EXPECT_EQ((std::vector{readerOfTypeName("gPx"), readerOfTypeName("Plt"), readerOfTypeName("fit"),
                         readerOfTypeName("TCX"), readerOfTypeName("Igc"), readerOfTypeName("kml"),
                         readerOfTypeName("")}),
            (std::vector<std::optional<ReaderKind>>{Gpx, Plt, Fit, Tcx, Igc, std::nullopt,
                                                    std::nullopt}));
  EXPECT_EQ(
      openDialogFilters(),
      (std::vector<std::string>{"All track files (*.gpx *.plt *.fit *.tcx *.igc)",
                                "File gpx (*.gpx)", "Ozi Explorer (*.plt)", "Tutti i file (*.*)",
                                "FIT (*.fit)", "TCX (*.tcx)", "IGC (*.igc)"}));
  std::vector<ReaderKind> picked;
  for (int i = -1; i < 9; ++i) picked.push_back(readerOfOpenFilter(i));
  EXPECT_EQ(picked, (std::vector{None, None, None, Gpx, Plt, None, Fit, Tcx, Igc, None}));
}

TEST(ReaderChoice, ReadsByTheFirstBytesThenByTheFilterThenByTheExtension) {
  const std::string folder = folderWithPipe();
  const struct {
    ReaderKind picked;
    std::string path;
    ReaderKind reader;
  } cases[] = {
      {None, file("a.txt", kGpx), Gpx},                  // all files, or no filter reported
      {Gpx, file("b.gpx", "\xEF\xBB\xBF" + kPlt), Plt},  // the content wins over the filter
      {Plt, file("c.plt", "\xEF\xBB\xBF\r\n\t <GPX>"), Gpx},
      {None, file("d", "oziexplorer"), Plt},
      {Gpx, file("e.txt", "\xEF\xBB\xBF  \r\n"), Gpx},  // the content cannot tell
      {None, file("f.GPX", "text <gpx>"), Gpx},
      {None, file("g.Plt", "Track\nOziExplorer"), Plt},
      {None, file("h.txt", std::string(kRecognitionBytes, ' ') + "<gpx>"), None},
      {None, "/no/such/ride.plt", Plt},
      {None, folder + "/dir.gpx/file", None},
      {None, folder, None},
      {Plt, folder + "/pipe.gpx", Plt},
      {Gpx, file("i.bin", std::string("\x0E\x10\x00\x00\x00\x00\x00\x00.FIT", 12)), Fit},
      {None, file("j", std::string("\x0C\x10\x00\x00\x00\x00\x00\x00.FIT", 12)), Fit},
      {None, file("k.fit", std::string("\x0D\x10\x00\x00\x00\x00\x00\x00.FIT", 12)), Fit},
      {None, file("l.txt", "\xEF\xBB\xBF<?xml?><!-- <gpx> --><TrainingCenterDatabase>"), Tcx},
      {Gpx, file("m.gpx", "\n<tcx:TrainingCenterDatabase xmlns:tcx=\"x\">"), Tcx},
      {Tcx, file("n.tcx", "<?xml?><gpx creator=\"TrainingCenterDatabase\">"), Gpx},
      {None, file("o.igc", "<?xml?>"), Gpx},
      {None, file("p.txt", "AXCTb9d15853\r\nHFDTE150419\r\n"), Igc},
      {Plt, file("q.plt", "AXSB\nHFDTE"), Igc},
      {None, file("r.igc", "A file\nHello"), Igc},  // by the extension: ' ' is not a maker code
      {None, file("s.txt", "AXCT\nBFDTE"), None},
  };
  for (const auto& c : cases) EXPECT_EQ(readerForFile(c.picked, c.path), c.reader) << c.path;
}

TEST(ReaderChoice, SaysHowTheReadEndedAndWhy) {
  const std::string folder = folderWithPipe(), pipe = folder + "/pipe.gpx";
  const std::string missing = folder + "/missing.gpx", locked = file("locked.gpx", kGpx);
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  const bool root = ::geteuid() == 0;             // root reads every file
  const std::string huge = file("huge.gpx", "");  // sparse: larger than memory, not on disk
  std::filesystem::resize_file(huge, std::uintmax_t{1} << 40);
  const struct {
    std::string path;
    ReaderKind reader;
    ImportOutcome outcome;
    std::string read;
  } cases[] = {
      {file("ok.gpx", kGpx), Gpx, Found, ": 45,7,1"},
      {file("ok.plt", kPlt), Plt, Found, "ok.plt: 45,7,1,39756.000000"},
      {file("bin.gpx", std::string("\0\x01\xFF<\x89", 5)), Gpx, NothingFound, ": 0,0,0"},
      {file("bare.gpx", "<trk><name>t</name></trk>"), Gpx, NothingFound, "t: 0,0,0"},
      {file("x.plt", kPlt), Gpx, NothingFound, ": 0,0,0"},
      {file("notes.plt", "notes"), Plt, NothingFound, "notes.plt: 0,0,1"},
      {file("empty.gpx", ""), Gpx, NothingFound, ": 0,0,0"},
      {file("bad.gpx", "<trkpt lon=\"1\">"), Gpx, NothingFound,
       ": 0,0,0 !1001@1 point 1 of the file, <trkpt lon=\"1\">"},
      {file("notes.txt", "notes"), None, NotRecognised, ": 0,0,0"},
      {file("f.tcx",
            "<Course><Name>c</Name><Trackpoint><Position><LatitudeDegrees>45"
            "</LatitudeDegrees><LongitudeDegrees>7</LongitudeDegrees></Position>"
            "</Trackpoint></Course>"),
       Tcx, Found, "c: 45,7,1"},
      {file("f.igc", "HFDTE010203\nB1200004500000N00700000EA0000000100\n"), Igc, Found,
       "2003-02-01: 45,7,100,37653.500000"},
      {missing, Fit, Unreadable, ": 0,0,0 !53@0"},
      {file("f.fit", kPlt), Fit, Unreadable, ": 0,0,0 !75@0 FIT: bad file header at byte 0"},
      {missing, Gpx, Unreadable, ": 0,0,0 !53@0"},
      {missing, Plt, Unreadable, "missing.gpx: 0,0,0 !53@0"},  // the trip is there all the same
      {missing, None, Unreadable, ": 0,0,0 !53@0"},
      {file("plain", "") + "/x", Gpx, Unreadable, ": 0,0,0 !53@0"},  // a file as a folder
      {folder, Gpx, Unreadable, ": 0,0,0 !75@0"},
      {folder, None, Unreadable, ": 0,0,0 !75@0"},
      {locked, Gpx, root ? Found : Unreadable, root ? ": 45,7,1" : ": 0,0,0 !75@0"},
      {"/dev/zero", Gpx, Unreadable, ": 0,0,0 !75@0 not a regular file"},  // never ends
      {"/dev/null", Plt, Unreadable, "null: 0,0,0 !75@0 not a regular file"},
      {pipe, Gpx, Unreadable, ": 0,0,0 !75@0 not a regular file"},
      {pipe, None, Unreadable, ": 0,0,0 !75@0 not a regular file"},
      {huge, Gpx, Unreadable, ": 0,0,0 !7@0 file larger than memory"},
  };
  for (const auto& c : cases) {
    Percorsi store;
    std::string failures;
    EXPECT_EQ(importFile(store, c.path, c.reader, test_support::failureText(failures)), c.outcome)
        << c.path;
    EXPECT_EQ(test_support::storeText(store) + failures, c.read) << c.path;
  }
}

TEST(ReaderChoice, ReportsProgressOverTheWholeImportAndStopsWhenAsked) {
  std::string bytes = "<gpx><trk><name>p</name><trkseg>";
  for (int i = 0; i < 200000; ++i) bytes += "<trkpt lat=\"45.1\" lon=\"7.2\"/>\n";  // nested
  const std::string path = file("stop.gpx", bytes + "</trkseg></trk><trk><name>q</name></trk>");
  for (const ReaderKind reader : {Gpx, Plt}) {
    std::uint64_t last = 0, calls = 0, size = std::filesystem::file_size(path);
    Percorsi store;
    importFile(store, path, reader, {}, [&](std::uint64_t done, std::uint64_t total) {
      EXPECT_EQ(total, 2 * size);  // reading the file, then reading its bytes
      EXPECT_GE(done, last);
      last = done;
      ++calls;
    });
    EXPECT_GT(last, size);
    EXPECT_LT(calls, 400u);  // every 64 KiB or so of 12 MB, not per tag or line
    EXPECT_EQ(store[0].Punti.size(), reader == Gpx ? 200000u : 1u);
  }
  for (int stopAt : {1, 60}) {  // reading the file, reading its bytes
    Percorsi store;
    int calls = 0;
    EXPECT_EQ(importFile(store, path, Gpx, {}, {}, [&] { return ++calls == stopAt; }), Stopped);
    EXPECT_EQ(calls, stopAt);
    EXPECT_LT(store[0].Punti.size(), 200000u);
    EXPECT_EQ(store.size(), 1u);  // trip q is never reached
  }
}

// Every sample is recognised by its content, and read by every reader without a crash; a
// GPX or PLT sample without a failure by its own reader (the damaged FIT and IGC samples are
// checked by their readers' tests).
TEST(ReaderChoice, RecognisesEverySampleFileAndReadsItWithEveryReader) {
  const std::pair<const char*, ReaderKind> formats[] = {
      {"gpx", Gpx}, {"plt", Plt}, {"fit", Fit}, {"tcx", Tcx}, {"igc", Igc}};
  for (const char* dir : {VIANORA_SAMPLES_REPO, VIANORA_SAMPLES_SHARED}) {
    for (const auto& [name, kind] : formats) {
      const auto folder = std::filesystem::path(dir) / name;
      if (!std::filesystem::is_directory(folder)) continue;
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string path = entry.path().string();
        if (entry.path().extension() == ".csv") continue;  // a decoding to compare with
        EXPECT_EQ(formatOfContent(path), kind) << path;
        for (ReaderKind reader : {Gpx, Plt, Fit, Tcx, Igc}) {
          Percorsi store;
          std::string failures;
          importFile(store, path, reader, test_support::failureText(failures));
          EXPECT_TRUE(reader != kind || kind > Plt || failures.empty()) << path << failures;
          for (const Percorso& trip : store.trips()) {
            ASSERT_FALSE(trip.Punti.empty()) << path;
            statisticsTexts(computeTripStatistics(trip), DisplayFormat{});
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace vianora
