#include "core/charts/web_mercator.h"

namespace vianora {}  // namespace vianora
