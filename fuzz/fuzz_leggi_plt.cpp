// Fuzzes the PLT reader: the bytes are written to a file (the reader takes a path), the file
// is read into a fresh store and every trip gets its statistics.
//
// One temporary file serves every input: it is created once, in memory-backed /dev/shm when
// there is one, rewritten in place for each input and removed when the fuzzer exits normally.
// Besides the sanitizers, a few properties are checked (a failed one aborts): progress never
// goes back nor passes its total, failures carry a line number inside the file, every trip
// keeps its point 0 and the statistics' point indexes lie inside the trip.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/analysis/trip_statistics.h"
#include "core/import/leggi_plt.h"
#include "core/store/percorsi.h"

namespace {

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "fuzz_leggi_plt: %s\n", what);
  std::abort();
}

struct ScratchFile {
  std::string path;
  int fd = -1;

  ScratchFile() {
    for (const char* folder : {"/dev/shm", "/tmp"}) {
      std::string pattern = std::string(folder) + "/vianora-fuzz-plt-XXXXXX";
      fd = mkstemp(pattern.data());
      if (fd >= 0) {
        path = pattern;
        return;
      }
    }
    broken("cannot create a temporary file");
  }
  ~ScratchFile() {
    close(fd);
    unlink(path.c_str());
  }

  void rewrite(const std::uint8_t* data, std::size_t size) {
    if (ftruncate(fd, 0) != 0) broken("cannot empty the temporary file");
    std::size_t done = 0;
    while (done < size) {
      const ssize_t wrote = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
      if (wrote <= 0) broken("cannot write the temporary file");
      done += static_cast<std::size_t>(wrote);
    }
  }
};

std::size_t countLines(const std::uint8_t* data, std::size_t size) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\r' || data[i] == '\n') ++lines;
  }
  return lines + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScratchFile file;
  file.rewrite(data, size);

  vianora::Percorsi store;
  std::uint64_t lastDone = 0;
  vianora::LeggiPlt(
      store, file.path, "fuzz.plt",
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
