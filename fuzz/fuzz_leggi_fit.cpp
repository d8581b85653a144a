// Fuzzes the FIT reader: the bytes are read into a fresh store and every trip gets its
// statistics. Besides the checks of fuzz_checks.h, a fault is reported at most once, at a
// byte inside the file or just past its end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/import/leggi_fit.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vianora;
  constexpr const char* kTarget = "fuzz_leggi_fit";
  Percorsi store;
  int faults = 0;
  LeggiFit(
      store, std::string_view(reinterpret_cast<const char*>(data), size),
      [&](const ImportFailure& failure) {
        if (++faults > 1) fuzz::broken(kTarget, "more than one failure reported");
        const auto at = failure.detail.rfind(' ');
        if (at != std::string::npos && std::stoull(failure.detail.substr(at + 1)) > size) {
          fuzz::broken(kTarget, "a failure names a byte past the end of the file");
        }
      },
      fuzz::ProgressCheck{kTarget});
  fuzz::checkTrips(kTarget, store);
  return 0;
}
