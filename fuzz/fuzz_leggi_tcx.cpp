// Fuzzes the TCX reader: the bytes of a file are read into a fresh store and every trip read
// gets its statistics. Besides the checks of fuzz_checks.h, every failure names a line of the
// file, from 1, or none (0) when memory ran out.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/import/leggi_tcx.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vianora;
  constexpr const char* kTarget = "fuzz_leggi_tcx";
  Percorsi store;
  LeggiTcx(
      store, std::string_view(reinterpret_cast<const char*>(data), size),
      [&](const ImportFailure& failure) {
        const bool lineless = failure.code == FailureCode::OutOfMemory && failure.line == 0;
        if (!lineless && (failure.line < 1 || failure.line > fuzz::mostLines(data, size))) {
          fuzz::broken(kTarget, "a failure names a line that is not in the file");
        }
      },
      fuzz::ProgressCheck{kTarget});
  fuzz::checkTrips(kTarget, store);
  return 0;
}
