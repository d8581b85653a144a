#pragma once

namespace vianora {

/// The distance between two grid lines of the profile chart for a total distance, in km: 1, 2
/// or 5 times a power of ten, chosen from the total's general text so that a total of 1 km or
/// more gets 7 to 20 grid lines and a smaller total about ten times as many (123.4 gives 10,
/// 250.7 gives 20, 38.2 gives 5, 12 gives 1, 0.75 gives 0.005). Totals in exponent form
/// follow the same rule. A total that is not a positive finite number, or whose step would
/// lie beyond the range of a double, gets no grid: the result is 0.
double gridStep(double totalKm);

}  // namespace vianora
