#include "core/import/gpsbabel_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

using namespace std::chrono_literals;
using enum ImportOutcome;

TEST(GpsBabelImport, ListsTheFileFormatsThatReadTracksOrRoutes) {
  const std::string listing =
      "internal\trw----\txcsv\t\t? Character Separated Values\txcsv\n"
      "\tfile:///usr/share/doc/gpsbabel/html/fmt_xcsv.html\n"
      "option\txcsv\tstyle\tFull path to XCSV style file\tfile\t\t\t\tfile:///x\n"
      "\n"
      "file\trw----\tcsv\t\tComma separated values\txcsv\n"
      "file\t--rwrw\tigc\t\tFAI/IGC Flight Recorder Data Format\tigc\n"
      "file\t-wrw--\tgarmin_fit\tfit\tFlexible and Interoperable Data Transfer (FIT) Activity "
      "file\tgarmin_fit\n"
      "serial\trwrwrw\tgarmin\t\tGarmin serial/USB protocol\tgarmin\n"
      "file\t-w-w-w\tgpx_out\t\tWrites only\tx\n"
      "file\tr-rw--\tgtrnctr\ttcx/crs/hst/xml\tGarmin Training Center (.tcx/.crs/.hst/.xml)"
      "\tgtrnctr";  // no newline after the last line
  std::string text;
  for (const GpsBabelFormat& format : readableGpsBabelFormats(listing)) {
    text += format.name + "|" + format.extension + "|" + format.description + "\n";
  }
  EXPECT_EQ(text,
            "igc||FAI/IGC Flight Recorder Data Format\n"
            "garmin_fit|fit|Flexible and Interoperable Data Transfer (FIT) Activity file\n"
            "gtrnctr|tcx/crs/hst/xml|Garmin Training Center (.tcx/.crs/.hst/.xml)\n");
}

TEST(GpsBabelImport, PassesPathsThatLookLikeOptionsAsFiles) {
  const GpsBabelSettings settings{"/opt/gb", {}};
  for (const auto& [path, passed] : {std::pair{"-", "./-"},
                                     {"-x.fit", "./-x.fit"},
                                     {"a -b.fit", "a -b.fit"},
                                     {"/t/-c", "/t/-c"}}) {
    EXPECT_EQ(gpsBabelArguments(settings, "garmin_fit", path),
              (std::vector<std::string>{"/opt/gb", "-t", "-r", "-i", "garmin_fit", "-f", passed,
                                        "-o", "gpx", "-F", "-"}));
  }
}

// Every case converts `input` in the format "fake" with a stand-in GPSBabel.
TEST(GpsBabelImport, ReadsTheGpxOrReportsWhyThereIsNone) {
  const std::string input = test_support::writeTempFile("in.fake", "anything").string();
  const std::string gpx = "<gpx><trk><name>T</name><trkpt lat=\"45\" lon=\"7\"/></trk></gpx>";
  struct Case {
    std::string body;  // of the stand-in; empty for none
    bool stop;
    ImportOutcome outcome;
    std::string text;  // the store's points (none: 0,0,0), then the failures
  };
  const Case cases[] = {
      {"[ \"$*\" = '-t -r -i fake -f " + input + " -o gpx -F -' ] && echo '" + gpx + "'", false,
       Found, "T: 45,7,1"},
      {"echo warning >&2; echo '<gpx><wpt lat=\"1\" lon=\"1\"/></gpx>'", false, NothingFound,
       ": 0,0,0"},
      {"printf 'bad 1\\n\\nbad 2 \\n3\\n4\\n5\\nIt is not a fake file.\\t\\n\\n' >&2; exit 1",
       false, Unreadable, ": 0,0,0 !1002@0 bad 2; 3; 4; 5; It is not a fake file."},
      {"exit 2", false, Unreadable, ": 0,0,0 !1002@0 GPSBabel ended with exit status 2"},
      {"sleep 5", false, Unreadable, ": 0,0,0 !1002@0 GPSBabel took longer than 300 ms"},
      {"exec cat /dev/zero", false, Unreadable,
       ": 0,0,0 !1002@0 GPSBabel wrote more than 5000 bytes"},
      {"kill -9 $$", false, Unreadable, ": 0,0,0 !1002@0 GPSBabel crashed"},
      {"", false, Unreadable, ": 0,0,0 !1002@0 " + std::string(kGpsBabelMissing)},
      {"sleep 5", true, Stopped, ": 0,0,0"},
  };
  for (const Case& c : cases) {
    const auto program = test_support::writeTempFile("gpsbabel", "#!/bin/sh\n" + c.body + "\n");
    ::chmod(program.c_str(), c.body.empty() ? 0600 : 0700);
    const GpsBabelSettings settings{program.string(), {300ms, 5000}};
    Percorsi store;
    std::string failures;
    int progressCalls = 0;
    const auto outcome = importWithGpsBabel(
        store, "fake", input, test_support::failureText(failures),
        [&](auto, auto) { ++progressCalls; }, [&] { return c.stop; }, settings);
    EXPECT_EQ(outcome, c.outcome) << c.body;
    EXPECT_EQ(test_support::storeText(store) + failures, c.text) << c.body;
    EXPECT_EQ(store.trips()[0].sourceFile, outcome == Found ? input : "") << c.body;
    EXPECT_EQ(progressCalls, c.stop ? 1 : progressCalls) << c.body;
  }
}

TEST(GpsBabelImport, ReportsAFileThatDoesNotOpenWithoutRunningGpsBabel) {
  Percorsi store;
  std::string failures;
  EXPECT_EQ(importWithGpsBabel(store, "fake", "/no/such.fake", test_support::failureText(failures),
                               {}, {}, {"/no/gpsbabel", {}}),
            Unreadable);
  EXPECT_EQ(failures, " !53@0");
}

}  // namespace
}  // namespace vianora
