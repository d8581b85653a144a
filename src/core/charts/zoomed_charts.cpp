#include "core/charts/zoomed_charts.h"

namespace vianora {}  // namespace vianora
