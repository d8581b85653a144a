#include "core/charts/point_lookup.h"

namespace vianora {}  // namespace vianora
