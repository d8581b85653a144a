#include "core/import/leggi_igc.h"

#include <gtest/gtest.h>

#include <string>

#include "core/import/input_file.h"
#include "store_text.h"
#include "test_files.h"

namespace vianora {
namespace {

// What reading bytes as a flight log left (see storeText), then its failures.
std::string readIgc(std::string_view bytes) {
  Percorsi store;
  std::string failures;
  LeggiIgc(store, bytes, test_support::failureText(failures));
  return test_support::storeText(store) + failures;
}

TEST(LeggiIgc, ReadsFixesWithTheirDateAltitudeAndName) {
  const struct {
    std::string bytes;
    std::string read;
  } cases[] = {
      // Over midnight, and over a year's end: 1999-12-31 is day 36525.
      {"HFDTE311299\r\nB2359594500000N00700000EA0010000200\r\n"
       "B0000014500000N00700000EA0010000200\r\n",
       "1999-12-31: 45,7,200,36525.999988; 45,7,200,36526.000012"},
      // The newer date spelling; south and west; GNSS altitude 0 gives the pressure one.
      {"HFDTEDATE:040920,01\nHFPLTPILOT:Jane Doe\nHFGTYGLIDERTYPE:Discus 2b\n"
       "B1200003000000S01030000WV-001000000\n",
       "Jane Doe - Discus 2b: -30,-10.5,-10,44078.500000"},
      // No altitudes at all: 1.0, as for a GPX point without ele; only a glider named.
      {"HFDTE160701\r\nHFGTYGLIDERTYPE: ASH 25 \r\nB0000004530000N00715000EA\r\n",
       "ASH 25: 45.5,7.25,1,37088.000000"},
      {"HFPLTPILOTINCHARGE: Bill\nB0000004530000N00715000EA0000000000\n", "Bill: 45.5,7.25,0"},
      // Bad lines are reported and skipped: minute 60, 60 minutes of angle, no hemisphere,
      // a letter among the extensions, a short altitude. Without a date, no times.
      {"B1200004500000N00700000EA0010000200\r\nB1260004500000N00700000EA0010000200\r\n"
       "B1200004560000N00700000EA0010000200\r\nB1200004500000N00700000XA0010000200\r\n"
       "B1200004500000N00700000EA00100002000x1\nB1200004500000N00700000EA00100\r\n"
       "B1200004500000N00700000EA001000020\n",
       "IGC: 45,7,200; 45,7,100 !13@2 !13@3 !13@4 !13@5 !13@7"},
      {"HFDTE310299\nHFDTE\nB1200004500000N00700000EA0010000200", "IGC: 45,7,200"},
      {"", "IGC: 0,0,0"},
  };
  for (const auto& c : cases) EXPECT_EQ(readIgc(c.bytes), c.read) << c.bytes;
}

TEST(LeggiIgc, ReadsTheSamples) {
  const struct {
    std::string file;
    std::string start;  // the trip's name and first point
    std::string failures;
  } cases[] = {
      // B1602405407121N00249342WA002800042120509950 on 2001-07-16 (day 37088).
      {"aerofiles-example.igc",
       "Bloggs Bill D - Schleicher ASH-25: 54.1187,-2.82237,421,37088.668519;", ""},
      {"aerofiles-bad-line.igc", "ASG 29E 18m: ", " !13@55"},
      {"aerofiles-skydrop-2019-04-15.igc", "Tilmann Bubeck - Ozone Mojo PWR: ", ""},
      {"aerofiles-xctrack-2020-09-04.igc", "Pegasus 2: ", ""},
      {"aerofiles-xctrack-2022-04-07.igc", "Octagon 190 + Roadster 3: ", ""},
  };
  for (const auto& c : cases) {
    const auto path = test_support::sampleFile("igc/" + c.file);
    if (!path) GTEST_SKIP() << "the sample collection is missing";
    BigBuffer bytes;
    ASSERT_FALSE(readWholeFile(path->string(), bytes));
    const std::string read = readIgc(bytes);
    EXPECT_EQ(read.substr(0, c.start.size()), c.start) << c.file;
    const auto failuresAt = read.find(" !");
    EXPECT_EQ(failuresAt == std::string::npos ? "" : read.substr(failuresAt), c.failures);
  }
}

}  // namespace
}  // namespace vianora
