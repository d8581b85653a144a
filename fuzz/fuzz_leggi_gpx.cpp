// Fuzzes the GPX reader: the bytes of a file are read into a fresh store and every trip read
// gets its statistics, as vianora-stats does with a file.
//
// Besides the sanitizers, a few properties are checked (a failed one aborts):
//  - the GPX text is at most one byte longer than the file (prepareGpxText makes room for that);
//  - progress never goes back and never passes its total;
//  - every trip keeps at least one point, and the statistics' point indexes lie inside it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/import/gpx_text.h"
#include "core/import/leggi_gpx.h"
#include "core/store/percorsi.h"

namespace {

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "fuzz_leggi_gpx: %s\n", what);
  std::abort();
}

void checkStatistics(const vianora::Percorso& trip) {
  const vianora::TripStatistics s = vianora::computeTripStatistics(trip);
  const std::size_t n = trip.Punti.size();
  if (s.IdxLonMin >= n || s.IdxLatMin >= n || s.IdxLonMax >= n || s.IdxLatMax >= n ||
      s.IdxInizio >= n || s.IdxFine >= n) {
    broken("a statistics index lies outside the trip");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string text = vianora::prepareGpxText(bytes);
  if (text.size() > bytes.size() + 1) broken("the GPX text is longer than the file plus one");

  vianora::Percorsi store;
  std::size_t failures = 0;
  std::uint64_t lastDone = 0;
  vianora::LeggiGpx(
      store, bytes, [&](const vianora::ImportFailure&) { ++failures; },
      [&](std::uint64_t done, std::uint64_t total) {
        if (done < lastDone) broken("progress went back");
        if (done > total) broken("progress passed its total");
        lastDone = done;
      });

  for (const vianora::Percorso& trip : store.trips()) {
    if (trip.Punti.empty()) broken("a trip without its point 0");
    checkStatistics(trip);
  }
  return 0;
}
