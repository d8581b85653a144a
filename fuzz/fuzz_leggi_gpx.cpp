// Fuzzes the GPX reader: the bytes of a file are read into a fresh store and every trip read
// gets its statistics, as vianora-stats does with a file. Besides the checks of
// fuzz_checks.h: the GPX text is at most one byte longer than the file (prepareGpxText makes
// room for that), the text made over the file's own bytes is the same, every failure names a
// line of the file, from 1, and the bytes written to a file and read from it, with the text
// made on a second thread behind pieces of 1 to 97 bytes, give the same trips and failures,
// as does the text shown to the reader 1 to 5 characters at a time.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "core/import/gpx_file.h"
#include "core/import/gpx_text.h"
#include "core/import/leggi_gpx.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vianora;
  constexpr const char* kTarget = "fuzz_leggi_gpx";
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = prepareGpxText(bytes);
  if (text.size() > size + 1) {
    fuzz::broken(kTarget, "the GPX text is longer than the file plus one");
  }
  BigBuffer inPlace(size + 1);
  if (size > 0) std::memcpy(inPlace.data(), data, size);
  inPlace.resize(size);
  prepareGpxTextInPlace(inPlace);
  if (inPlace.view() != text) fuzz::broken(kTarget, "the GPX text made in place differs");
  Percorsi store;
  std::vector<std::int64_t> lines;
  LeggiGpx(
      store, bytes,
      [&](const ImportFailure& failure) {
        if (failure.line < 1 || failure.line > fuzz::mostLines(data, size)) {
          fuzz::broken(kTarget, "a failure names a line that is not in the file");
        }
        lines.push_back(failure.line);
      },
      fuzz::ProgressCheck{kTarget});
  fuzz::checkTrips(kTarget, store);

  TextInSteps steps(text, size == 0 ? 1 : 1 + data[size - 1] % 5);
  GpxTextLines textLines(bytes);
  Percorsi inSteps;
  std::vector<std::int64_t> stepLines;
  LeggiGpxText(
      inSteps, steps, [&](std::size_t at) { return textLines.lineOf(at); },
      [&](const ImportFailure& failure) { stepLines.push_back(failure.line); });
  fuzz::checkSameStores(kTarget, store, inSteps);
  if (lines != stepLines) fuzz::broken(kTarget, "the text read in steps gave other failures");

  static const std::string path = "/tmp/fuzz_leggi_gpx." + std::to_string(::getpid()) + ".gpx";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  const bool written = std::fwrite(data, 1, size, file) == size;
  if (std::fclose(file) != 0 || !written) return 0;
  Percorsi fromFile;
  std::vector<std::int64_t> fileLines;
  LeggiGpxFile(
      fromFile, path, [&](const ImportFailure& failure) { fileLines.push_back(failure.line); },
      {}, size == 0 ? 1 : 1 + data[0] % 97);
  fuzz::checkSameStores(kTarget, store, fromFile);
  if (lines != fileLines) fuzz::broken(kTarget, "the file read in pieces gave other failures");
  return 0;
}
