// Fuzzes the PLT reader: the bytes are read into a fresh store and every trip gets its
// statistics.
//
// Besides the sanitizers, a few properties are checked (a failed one aborts): progress never
// goes back nor passes its total, failures carry a line number inside the file, every trip
// keeps its point 0 and the statistics' point indexes lie inside the trip.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/import/leggi_plt.h"
#include "core/store/percorsi.h"

namespace {

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "fuzz_leggi_plt: %s\n", what);
  std::abort();
}

std::size_t countLines(const std::uint8_t* data, std::size_t size) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\r' || data[i] == '\n') ++lines;
  }
  return lines + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vianora::Percorsi store;
  std::uint64_t lastDone = 0;
  vianora::LeggiPlt(
      store, std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.plt",
      [&](const vianora::ImportFailure& failure) {
        if (failure.line < 0 || static_cast<std::size_t>(failure.line) > countLines(data, size)) {
          broken("a failure names a line that is not in the file");
        }
      },
      [&](std::uint64_t done, std::uint64_t total) {
        if (done < lastDone) broken("progress went back");
        if (done > total) broken("progress passed its total");
        lastDone = done;
      });

  for (const vianora::Percorso& trip : store.trips()) {
    if (trip.Punti.empty()) broken("a trip without its point 0");
    const vianora::TripStatistics s = vianora::computeTripStatistics(trip);
    const std::size_t n = trip.Punti.size();
    if (s.IdxLonMin >= n || s.IdxLatMin >= n || s.IdxLonMax >= n || s.IdxLatMax >= n ||
        s.IdxInizio >= n || s.IdxFine >= n) {
      broken("a statistics index lies outside the trip");
    }
  }
  return 0;
}
