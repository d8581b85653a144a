#pragma once

#include "core/charts/chart_picture.h"

namespace vianora {

/// The altitude colour: pure green at min, pure blue at max, green fading into blue between.
/// A zero range (max equal to min) gives pure green. Channels are rounded half to even and
/// kept within 0..255, so altitudes outside min..max take the colour of the nearer end.
Rgb ColoreAltitudine(double value, double min, double max);

/// The speed colour: black at 0, pure red at max and above; the sign of the value does not
/// matter. A zero max gives pure red. The red channel is rounded half to even.
Rgb ColoreVelocita(double value, double max);

}  // namespace vianora
