#include "core/import/gpsbabel_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "core/analysis/trip_statistics.h"
#include "core/import/leggi_gpx.h"
#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

TEST(GpsBabelImport, ListsTheFileFormatsThatReadTracksOrRoutes) {
  std::string text;
  for (const GpsBabelFormat& format :
       readableGpsBabelFormats("file\trw----\tcsv\t\tComma separated values\txcsv\n"
                               "\tfile:///usr/share/doc/gpsbabel/html/fmt_csv.html\n"
                               "file\t--rwrw\tigc\t\tFAI/IGC Flight Recorder Data Format\tigc\n"
                               "serial\trwrwrw\tgarmin\t\tGarmin serial/USB protocol\tgarmin\n"
                               "file\t----r-\ttef\txml\tMap&Guide 'TourExchangeFormat' XML\ttef")) {
    text += format.name + "|" + format.extension + "|" + format.description + "\n";
  }
  EXPECT_EQ(
      text,
      "igc||FAI/IGC Flight Recorder Data Format\ntef|xml|Map&Guide 'TourExchangeFormat' XML\n");
}

TEST(GpsBabelImport, PassesPathsThatLookLikeOptionsAsFiles) {
  for (const auto& [path, passed] : {std::pair{"-", "./-"}, {"-x", "./-x"}, {"a -b", "a -b"}}) {
    EXPECT_EQ(gpsBabelArguments({}, "igc", path).at(6), passed);  // all of them: see below
  }
}

// Stand-ins of GPSBabel convert "fake": the outcome, the store when found, the failures.
TEST(GpsBabelImport, ReadsTheGpxOrReportsWhyThereIsNone) {
  const std::string input = test_support::writeTempFile("in.fake", "anything").string();
  const char* outcomes[] = {"Found", "NothingFound", "Unreadable", "NotRecognised", "Stopped"};
  const std::string gpx = "<gpx><time>2001-01-01T00:00:00Z</time><name>H</name><trk><name>T</name>";
  const std::pair<std::string, std::string> cases[] = {
      {"[ \"$*\" = '-t -r -i fake -f " + input + " -o gpx -F -' ] && echo '" + gpx +
           "<trkpt lat=\"45\" lon=\"7\"/></trk></gpx>'",
       "Found P: 1,1,1 | T: 45,7,1"},  // GPSBabel's head not taken for P
      {"echo warning >&2; echo '<gpx><wpt lat=\"1\" lon=\"1\"/></gpx>'", "NothingFound"},
      {"printf 'bad 1\\n\\nbad 2 \\n3\\n4\\n5\\nIt is not a fake file.\\t\\n\\n' >&2; exit 1",
       "Unreadable !1002@0 bad 2; 3; 4; 5; It is not a fake file."},
      {"exit 2", "Unreadable !1002@0 GPSBabel ended with exit status 2"},
      {"sleep 5", "Unreadable !1002@0 GPSBabel took longer than 300 ms"},
      {"exec cat /dev/zero", "Unreadable !1002@0 GPSBabel wrote more than 5000 bytes"},
      {"", "Unreadable !1002@0 " + std::string(kGpsBabelMissing)},  // not executable
      {"sleep 5 # until stopped", "Stopped"},
  };
  for (const auto& [body, expected] : cases) {
    const auto program = test_support::writeTempFile("gpsbabel", "#!/bin/sh\n" + body + "\n");
    ::chmod(program.c_str(), body.empty() ? 0600 : 0700);
    Percorsi store;
    LeggiGpx(store, "<gpx><trk><name>P</name><trkpt lat=\"1\" lon=\"1\"/></trk></gpx>", {});
    std::string text;
    const auto outcome =
        importWithGpsBabel(store, "fake", input, test_support::failureText(text), {},
                           [&] { return body.ends_with("stopped"); },
                           {program.string(), {std::chrono::milliseconds(300), 5000}});
    text = (outcome == ImportOutcome::Found ? " " + test_support::storeText(store) : "") + text;
    EXPECT_EQ(outcomes[static_cast<int>(outcome)] + text, expected) << body;
    EXPECT_EQ(store.trips().back().sourceFile == input, outcome == ImportOutcome::Found) << body;
  }
  // A file that does not open is reported as such, without running GPSBabel.
  std::string text;
  Percorsi store;
  importWithGpsBabel(store, "fake", "/no/such", test_support::failureText(text), {}, {}, {"/"});
  EXPECT_EQ(text, " !53@0");
}

// The native trips joined, as GPSBabel joins a FIT file's sessions and chained files, written
// as GPSBabel writes: 9 decimals of degrees, 3 of metres. A flight log's fix with neither
// altitude (00000) is read here at 0 m; GPSBabel leaves it out, and the GPX reader takes 1 m.
Percorso nativeTrip(const Percorsi& store, bool flightLog) {
  Percorso joined;
  joined.Punti.clear();
  for (const Percorso& trip : store.trips()) {
    for (Punto p : trip.Punti) {
      for (double* d : {&p.Latitudine, &p.Longitudine}) *d = std::round(*d * 1e9) / 1e9;
      p.Altitudine = flightLog && p.Altitudine == 0 ? 1 : std::round(p.Altitudine * 1e3) / 1e3;
      joined.Punti.push_back(p);
    }
  }
  return joined;
}

// GPSBabel's trip: of a flight log, its track of the GNSS altitude (not the pressure one, nor
// the task's routes); of a damaged file, without the points the native reader skipped.
Percorso convertedTrip(const Percorsi& store, const Percorso& native, bool damaged) {
  const auto gnss = std::ranges::find(store.trips(), "GNSSALTTRK", &Percorso::Nome);
  Percorso converted = gnss == store.trips().end() ? store[0] : *gnss;
  const auto skipped = [&](const Punto& p) {
    return std::ranges::none_of(native.Punti,
                                [&](auto& q) { return std::abs(q.DataOra - p.DataOra) < 1e-8; });
  };
  if (damaged) std::erase_if(converted.Punti, skipped);
  return converted;
}

// Points, distance, ascent, lowest and highest altitude, start and end.
std::vector<double> figuresOf(const Percorso& trip) {
  const TripStatistics s = computeTripStatistics(trip);
  return {double(trip.Punti.size()), s.DistanzaTotale, s.Dislivello, s.AltitudineMin,
          s.AltitudineMax,           s.startDay,       s.endDay};
}

// The native readers and GPSBabel's GPX of every sample agree. Prints a line per sample.
TEST(GpsBabelAgreement, NativeReadersAgreeWithGpsBabelOnEverySample) {
  if (!installedGpsBabelFormats()) GTEST_SKIP() << "GPSBabel is not installed";
  const std::pair<std::string, std::string> kinds[] = {
      {"fit", "garmin_fit,recoverymode"}, {"tcx", "gtrnctr"}, {"igc", "igc"}};
  for (const auto& [kind, format] : kinds) {
    const auto folder = std::filesystem::path(VIANORA_SAMPLES_SHARED) / kind;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
      if (file.path().extension() != "." + kind) continue;
      const std::string path = file.path().string();
      Percorsi native, converted;
      bool damaged = false;
      const auto outcome = importFile(native, path, readerForFile(ReaderKind::None, path),
                                      [&](const ImportFailure&) { damaged = true; });
      const Percorso ours = nativeTrip(native, kind == "igc");
      const std::vector<double> a = figuresOf(ours);
      // Neither finds a point in a file of records without positions: no figures compared.
      bool agree = importWithGpsBabel(converted, format, path, {}) == outcome;
      const std::vector<double> b = figuresOf(convertedTrip(converted, ours, damaged));
      std::string line = file.path().filename().string() + ":";
      for (std::size_t i = 0; i < a.size() && outcome != ImportOutcome::NothingFound; ++i) {
        // Equal to 1e-6 relative; start and end to 1e-8 day, about 1 ms.
        const double largest = std::max(std::abs(a[i]), std::abs(b[i]));
        const bool same = std::abs(a[i] - b[i]) <= (i >= 5 ? 1e-8 : 1e-6 * largest);
        agree = agree && same;
        line += " " + std::to_string(a[i]) + (same ? "" : " / " + std::to_string(b[i]));
      }
      std::cout << (agree ? "agree " : "differ ") << line << "\n";
      EXPECT_TRUE(agree) << line;
    }
  }
}

}  // namespace
}  // namespace vianora
