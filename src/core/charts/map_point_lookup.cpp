#include "core/charts/map_point_lookup.h"

namespace vianora {}  // namespace vianora
