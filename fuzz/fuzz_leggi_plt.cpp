// Fuzzes the PLT reader: the bytes are read into a fresh store and every trip gets its
// statistics. Besides the checks of fuzz_checks.h, failures carry a line inside the file (0
// for none), and the bytes read in pieces (their size taken from the first byte) give the
// same trip and failures as read whole.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/import/leggi_plt.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vianora;
  constexpr const char* kTarget = "fuzz_leggi_plt";
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Percorsi store;
  std::vector<std::int64_t> lines;
  LeggiPlt(
      store, bytes, "fuzz.plt",
      [&](const ImportFailure& failure) {
        if (failure.line < 0 || failure.line > fuzz::mostLines(data, size)) {
          fuzz::broken(kTarget, "a failure names a line that is not in the file");
        }
        lines.push_back(failure.line);
      },
      fuzz::ProgressCheck{kTarget});
  fuzz::checkTrips(kTarget, store);

  Percorsi cut;
  std::vector<std::int64_t> cutLines;
  const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 64;
  PltPieces pieces(cut, "fuzz.plt", [&](const ImportFailure& f) { cutLines.push_back(f.line); },
                   size, 1);
  for (std::size_t at = 0; at < size; at += piece) pieces.read(bytes.substr(at, piece));
  pieces.finish();
  fuzz::checkSameStores(kTarget, store, cut);
  if (lines != cutLines) fuzz::broken(kTarget, "pieces gave other failures");
  return 0;
}
