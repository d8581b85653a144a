// Fuzzes the IGC reader: the bytes are read into a fresh store and every trip gets its
// statistics. Besides the checks of fuzz_checks.h, failures carry a line inside the file (0
// for none).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/import/leggi_igc.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vianora;
  constexpr const char* kTarget = "fuzz_leggi_igc";
  Percorsi store;
  LeggiIgc(
      store, std::string_view(reinterpret_cast<const char*>(data), size),
      [&](const ImportFailure& failure) {
        if (failure.line < 0 || failure.line > fuzz::mostLines(data, size)) {
          fuzz::broken(kTarget, "a failure names a line that is not in the file");
        }
      },
      fuzz::ProgressCheck{kTarget});
  fuzz::checkTrips(kTarget, store);
  return 0;
}
