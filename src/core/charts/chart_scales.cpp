#include "core/charts/chart_scales.h"

namespace vianora {}  // namespace vianora
