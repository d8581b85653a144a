#include "core/import/leggi_plt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_files.h"

#include "store_text.h"

namespace vianora {
namespace {

// What reading bytes as a PLT file called `name` left (see storeText), then its failures.
std::string readPlt(std::string_view bytes, const std::string& name = "t.plt",
                    Percorsi store = {}) {
  std::string failures;
  LeggiPlt(store, bytes, name, test_support::failureText(failures));
  return test_support::storeText(store) + failures;
}

const std::string kHeader =
    "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
    "0,2,255,Track,0,0,2,8421376\r\n2\r\n";

TEST(LeggiPlt, ReadsPointLinesAndStopsAtTheFirstFailure) {
  const struct {
    std::string bytes;
    std::string read;
  } cases[] = {
      // Line 5 reads as a point at latitude 0, which the first real point replaces.
      {kHeader + "45.5,7.25,0,820.2,39756.5,04-Nov-08,12:00:00\r\n45.6,7.35,0,830,39756.75\r\n",
       "t.plt: 45.5,7.25,1,39756.500000; 45.6,7.35,1,39756.750000"},
      // Headers in any case, line 6 whatever it holds, SmartComGPS lines; a bare LF, a CR.
      {"oziexplorer track\nwgs 84\rALTITUDE IS IN feet\r\nreserved\r\n1,1,0,0,1\r\n9,9,0,0,9\n"
       "2,2,0,0,2\rx SmartComGPS y\r\n3,3,0,0,3",
       "t.plt: 1,1,1,1.000000; 2,2,1,2.000000; 3,3,1,3.000000"},
      // Another datum's line is a point, and so is an empty line.
      {"OziExplorer\r\nEuropean 1950\r\n1.5,2.5\r\n\r\n", "t.plt: 1.5,2.5,1; 0,0,1"},
      {kHeader + "45,5,7,5,0,39756\r\n", "t.plt: 45,5,1"},  // a decimal comma splits fields
      // An impossible day keeps the point's position but not its time or altitude.
      {kHeader + "45.5,7.25,0,0,39756.5\r\n46,8,0,0,3000000\r\n47,9,0,0,1\r\n",
       "t.plt: 45.5,7.25,1,39756.500000; 46,8,0 !6@8"},
      {kHeader + "1,1,0,0,-657434\r\n2,2,0,0,2958465.99\r\n3,3,0,0,-657434.5\r\n",
       "t.plt: 1,1,1,-657434.000000; 2,2,1,2958465.990000; 3,3,0 !6@9"},
      {"OziExplorer\r\nWGS 84\r\n", "t.plt: 0,0,0"},  // header lines are no points
      {std::string(kLongestPltLine, ',') + "\r\n", "t.plt: 0,0,1"},  // the longest line
      {kHeader + "45.5,7.25,0,0,39756.5\r\n" + std::string(kLongestPltLine + 1, '7') +
           "\r\n46,8,0,0,39757\r\n",
       "t.plt: 45.5,7.25,1,39756.500000 !7@8 line longer than 64 MB"},
  };
  for (const auto& c : cases) EXPECT_EQ(readPlt(c.bytes), c.read) << c.bytes.substr(0, 80);
}

TEST(LeggiPlt, FillsAnUnnamedTripZeroAndAppendsTheNextFile) {
  Percorsi store;
  store.addPoint().Latitudine = 5;  // trip 0 has a point but no name yet
  LeggiPlt(store, kHeader + "45.5,7.25,0,0,1\r\n", "a.plt", {});
  EXPECT_EQ(readPlt(kHeader + "46.5,7.25,0,0,1\r\n", "b.plt", store),
            "a.plt: 45.5,7.25,1,1.000000 | b.plt: 46.5,7.25,1,1.000000");
}

// Where the bytes are cut changes nothing: line ends split between pieces, every sample.
TEST(LeggiPlt, ReadsTheSameWhereverThePiecesAreCut) {
  std::vector<std::string> inputs{kHeader + "1,2,0,0,3\r\n\r4,5,0,0,6\n\n7,8",
                                  kHeader + "1,2,0,0,3\r\r\n1e999\r\n5,6"};
  const auto some = test_support::sampleFile("plt/mapsoft2-20040222_full.plt");
  ASSERT_TRUE(some);
  for (const auto& entry : std::filesystem::directory_iterator(some->parent_path())) {
    std::ifstream file(entry.path(), std::ios::binary);
    inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  for (const std::string& bytes : inputs) {
    for (const std::size_t size : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
      Percorsi store;
      std::string failures;
      PltPieces pieces(store, "t.plt", test_support::failureText(failures), bytes.size(), 1);
      for (std::size_t at = 0; at < bytes.size(); at += size) pieces.read(bytes.substr(at, size));
      pieces.finish();
      EXPECT_EQ(test_support::storeText(store) + failures, readPlt(bytes)) << size << bytes;
    }
  }
}

}  // namespace
}  // namespace vianora
