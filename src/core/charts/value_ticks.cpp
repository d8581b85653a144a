#include "core/charts/value_ticks.h"

namespace vianora {}  // namespace vianora
