#pragma once

#include <optional>

namespace vianora {

/// The smaller of two values that may be missing: a missing one gives the other, and on a
/// tie the second is returned.
template <typename T>
std::optional<T> Minimo(const std::optional<T>& a, const std::optional<T>& b) {
  if (!a) return b;
  if (!b) return a;
  return *a < *b ? a : b;
}

}  // namespace vianora
