#include "core/util/steady_clock.h"

#include <chrono>

namespace vianora {

double steadyClockSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace vianora
