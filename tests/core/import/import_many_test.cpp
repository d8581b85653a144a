#include "core/import/import_many.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace vianora {
namespace {

struct Reading {  // each file's failures and outcome as lines, in order, then its trips
  Percorsi store;
  std::vector<std::string> said;
};

ReaderKind byContent(const std::string& path) { return readerForFile(ReaderKind::None, path); }

// Workers 0: importFile for each file, as the files were read before the queue.
Reading read(const std::vector<std::string>& paths, Reading reading, unsigned workers,
             ImportQueue::FirstFile first = ImportQueue::FirstFile::Caller) {
  const FailureSink sink = [&](const ImportFailure& f) {
    reading.said.push_back(std::to_string(f.number()) + "@" + std::to_string(f.line) + " " +
                           f.detail + (f.shown == ImportFailure::Shown::ByGpxReader ? " gpx" : ""));
  };
  ImportQueue queue(paths, byContent, workers, first);
  for (const std::string& path : paths) {
    const auto outcome = workers == 0 ? importFile(reading.store, path, byContent(path), sink)
                                      : queue.importNext(reading.store, sink);
    reading.said.push_back(path + " = " + std::to_string(static_cast<int>(outcome)));
  }
  for (const Percorso& t : reading.store.trips()) {  // every field, the points byte for byte
    const std::string points(reinterpret_cast<const char*>(t.Punti.data()), t.Punti.size() * 32);
    reading.said.push_back(t.Nome + "|" + t.Versione + "|" + std::to_string(t.Codifica) + "|" +
                           t.sourceFile + "|" + points);
  }
  return reading;
}

std::string sample(const char* name) {
  return test_support::sampleFile(name).value_or(std::string("/missing/") + name).string();
}

std::string gpx(const char* name, const std::string& text) {
  return test_support::writeTempFile(name, text).string();
}

// Whatever a file does to the trip before its own: sets its version (every declaration), name
// or last point's time (GPX 1.0), adds points, renames it to nothing, or brings no named trip.
TEST(ImportQueue, ReadsFilesAtOnceAsOneAfterAnother) {
  const std::string wiki = sample("gpx/georust-wikipedia_example.gpx");
  const std::string renamed =
      gpx("renamed.gpx", "<gpx><name></name><time>2024-05-14T06:00:00Z</time><trk><name>t</name>");
  const std::string unnamed = sample("gpx/georust-empty_name_tag.gpx");
  const std::string gpx10 = sample("gpx/gpxpy-gpx1.0_with_all_fields.gpx");
  const std::string out = gpx("out.gpx", "<gpx><trkpt lat='1' lon='2'/>");
  std::string slow = "<gpx><trk>";  // no name: the store stays empty while the workers start
  for (int i = 0; i < 20000; ++i) slow += "<trkpt lat='1' lon='2'/>";
  const std::vector<std::string> lists[] = {
      {wiki, sample("plt/mapsoft2-ozi1.plt"), "/no/such/file.gpx", gpx10,
       sample("fit/fitparse-activity-small-fenix2-run.fit"),
       sample("fit/fitparse-activity-unexpected-eof.fit"), sample("tcx/tcxparser-test.tcx"),
       sample("igc/aerofiles-example.igc"), out, unnamed, renamed, wiki,
       test_support::makeTempFolder("dir").string(),
       test_support::writeTempFile("notes.txt", "-").string(),
       sample("gpx/togeojson-multitrackgpx.gpx")},
      {gpx("slow.gpx", slow), gpx10, renamed, gpx10, out, unnamed, wiki, gpx10, renamed},
  };
  for (const auto& paths : lists) {
    for (const bool fromEmpty : {true, false}) {
      const Reading before = fromEmpty ? Reading{} : read({wiki}, {}, 0);
      const Reading expected = read(paths, before, 0);
      for (const unsigned workers : {1u, 2u}) {
        EXPECT_EQ(read(paths, before, workers).said, expected.said) << workers;
        // The first file read ahead into a fresh store, taken as it is only into a fresh one.
        EXPECT_EQ(read(paths, before, workers, ImportQueue::FirstFile::ReadAhead).said,
                  expected.said)
            << workers;
      }
    }
  }
  // Checked by hand: a GPX file's declaration versions the trip before its own, which has none.
  const std::string v =
      gpx("v.gpx", "<?xml version=\"9\" ?><gpx><trk><name>t</name><trkpt lat='3' lon='4'/>");
  const Percorsi three = read({v, v, v}, {}, 2).store;
  EXPECT_EQ(
      (std::vector{three[0].Versione, three[1].Versione, three[2].Versione, three[2].sourceFile}),
      (std::vector<std::string>{"9", "9", "", v}));
}

}  // namespace
}  // namespace vianora
