#include "core/charts/chart_view.h"

namespace vianora {}  // namespace vianora
