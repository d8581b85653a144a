// The properties both reader fuzz targets check besides the sanitizers; a failed one aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/analysis/trip_statistics.h"
#include "core/store/percorsi.h"

namespace vianora::fuzz {

[[noreturn]] inline void broken(const char* target, const char* what) {
  std::fprintf(stderr, "%s: %s\n", target, what);
  std::abort();
}

/// At least as many lines as the bytes hold: every CR and every LF counted as a line end.
inline std::int64_t mostLines(const std::uint8_t* data, std::size_t size) {
  std::int64_t lines = 1;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\r' || data[i] == '\n') ++lines;
  }
  return lines;
}

/// Every trip keeps its point 0, and the statistics' point indexes lie inside the trip.
inline void checkTrips(const char* target, const Percorsi& store) {
  for (const Percorso& trip : store.trips()) {
    if (trip.Punti.empty()) broken(target, "a trip without its point 0");
    const TripStatistics s = computeTripStatistics(trip);
    const std::size_t n = trip.Punti.size();
    if (s.IdxLonMin >= n || s.IdxLatMin >= n || s.IdxLonMax >= n || s.IdxLatMax >= n ||
        s.IdxInizio >= n || s.IdxFine >= n) {
      broken(target, "a statistics index lies outside the trip");
    }
  }
}

/// Two stores hold the same trips, named alike, with the same points to the bit.
inline void checkSameStores(const char* target, const Percorsi& a, const Percorsi& b) {
  bool same = a.size() == b.size();
  for (std::size_t t = 0; same && t < a.size(); ++t) {
    const auto& p = a[t].Punti;
    const auto& q = b[t].Punti;
    same = a[t].Nome == b[t].Nome && p.size() == q.size() &&
           (p.empty() || std::memcmp(p.data(), q.data(), p.size() * sizeof(Punto)) == 0);
  }
  if (!same) broken(target, "the same bytes read another way gave other trips");
}

/// Progress never goes back and never passes its total.
struct ProgressCheck {
  const char* target;
  std::uint64_t last = 0;
  void operator()(std::uint64_t done, std::uint64_t total) {
    if (done < last) broken(target, "progress went back");
    if (done > total) broken(target, "progress passed its total");
    last = done;
  }
};

}  // namespace vianora::fuzz
