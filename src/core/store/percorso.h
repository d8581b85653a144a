#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/store/punto.h"

namespace vianora {

/// One trip: a track or route of a file, with its points in file order.
struct Percorso {
  std::string Nome;           ///< the trip's name, bytes as in the file; empty until named
  std::vector<Punto> Punti;   ///< points in file order; always holds at least point 0
  std::string Versione;       ///< version text of a GPX file's XML declaration
  std::int32_t Codifica = 0;  ///< code of the encoding named in that declaration
  std::string sourceFile;     ///< path of the file the trip was read from; empty until read

  Percorso() : Punti(1) {}

  /// False while point 0's latitude is exactly 0.0: the trip holds only its placeholder point.
  bool hasPoints() const { return Punti.front().Latitudine != 0.0; }
};

}  // namespace vianora
