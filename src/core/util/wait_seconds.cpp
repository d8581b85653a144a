#include "core/util/wait_seconds.h"

#include <chrono>

namespace vianora {

double steadyClockSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void WaitSeconds(double seconds, const std::function<void()>& pumpEvents,
                 const std::function<double()>& clock) {
  const double start = clock();
  while (!(clock() - start > seconds)) {
    if (pumpEvents) pumpEvents();
  }
}

}  // namespace vianora
