#include "core/charts/chart_cursor.h"

namespace vianora {}  // namespace vianora
