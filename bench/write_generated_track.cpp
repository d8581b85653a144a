// Writes one of the benchmarks' generated tracks to a file, so that other programs can be
// timed on the same bytes:
//
//   vianora_write_track gpx|plt|fit POINTS FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "generated_tracks.h"

int main(int argc, char** argv) {
  using namespace vianora::bench;
  const std::string_view format = argc == 4 ? argv[1] : "";
  const auto points = argc == 4 ? std::strtoull(argv[2], nullptr, 10) : 0;
  std::string (*make)(std::size_t) = nullptr;
  if (format == "gpx") make = makeGpxFile;
  if (format == "plt") make = makePltFile;
  if (format == "fit") make = makeFitFile;
  if (make == nullptr || points == 0) {
    std::fputs("usage: vianora_write_track gpx|plt|fit POINTS FILE\n", stderr);
    return 2;
  }
  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out << make(points);
  if (!out.flush()) {
    std::fprintf(stderr, "vianora_write_track: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
