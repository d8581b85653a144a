#include "core/store/percorsi.h"

#include <new>

#include "core/util/big_buffer.h"

namespace vianora {
namespace {

// Marks a recreated point 0 as taken until the reader stores the real latitude.
constexpr double kPlaceholderLatitude = 1.0;

}  // namespace

Percorsi::Percorsi() : trips_(1) {}

Percorso& Percorsi::startTrip() {
  if (!isEmpty()) trips_.emplace_back();
  return trips_.back();
}

Punto& Percorsi::addPoint() {
  auto& points = trips_.back().Punti;
  if (points.front().Latitudine == 0.0) {
    points.assign(1, Punto{});
    points.front().Latitudine = kPlaceholderLatitude;
  } else {
    points.emplace_back();
  }
  return points.back();
}

std::optional<std::size_t> Percorsi::firstTripWithPoints(std::size_t first) const {
  for (std::size_t i = first; i < trips_.size(); ++i) {
    if (trips_[i].hasPoints()) return i;
  }
  return std::nullopt;
}

void Percorsi::recordSourceFile(std::size_t first, const std::string& path) {
  if (isEmpty()) return;
  for (std::size_t i = first; i < trips_.size(); ++i) {
    if (trips_[i].sourceFile.empty()) trips_[i].sourceFile = path;
  }
}

void Percorsi::reservePoints(std::size_t count) {
  auto& points = trips_.back().Punti;
  if (count <= points.capacity()) return;
  try {
    points.reserve(count);
  } catch (const std::bad_alloc&) {
    return;  // the points still grow one by one as far as memory goes
  }
  // The points past the first are not yet touched: a million of them fill 32 MB.
  adviseHugePages(points.data() + points.size(), (points.capacity() - points.size()) * sizeof(Punto));
}

void Percorsi::resetPoints() { trips_.back().Punti.assign(1, Punto{}); }

}  // namespace vianora
