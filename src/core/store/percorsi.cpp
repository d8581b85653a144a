#include "store/percorsi.h"

namespace vianora {

Percorsi::Percorsi() : trips_(1) {}

Percorso& Percorsi::startTrip() {
  if (!isEmpty()) trips_.emplace_back();
  return trips_.back();
}

Punto& Percorsi::addPoint() {
  auto& points = trips_.back().Punti;
  if (points.front().Latitudine == 0.0) {
    points.assign(1, Punto{});
    points.front().Latitudine = 1.0;
  } else {
    points.emplace_back();
  }
  return points.back();
}

void Percorsi::resetPoints() { trips_.back().Punti.assign(1, Punto{}); }

}  // namespace vianora
