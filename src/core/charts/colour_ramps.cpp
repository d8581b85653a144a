#include "core/charts/colour_ramps.h"

#include <cmath>

namespace vianora {

namespace {

/// A colour channel at full strength: channels are bytes.
constexpr int kFullChannel = 255;

// Rounds half to even (the default rounding mode) and keeps the channel a byte; NaN gives 0.
int channel(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded > 0)) return 0;
  if (rounded > kFullChannel) return kFullChannel;
  return static_cast<int>(rounded);
}

}  // namespace

Rgb ColoreAltitudine(double value, double min, double max) {
  const double range = max - min;
  if (range == 0) return rgb(0, kFullChannel, 0);
  const double t = (value - min) / range;
  return rgb(0, channel((1 - t) * kFullChannel), channel(t * kFullChannel));
}

Rgb ColoreVelocita(double value, double max) {
  if (max == 0) return rgb(kFullChannel, 0, 0);
  return rgb(channel(std::fabs(value / max * kFullChannel)), 0, 0);
}

}  // namespace vianora
