#pragma once

namespace vianora {

/// One track point: position, altitude and time, exactly four doubles in this order.
struct Punto {
  double Latitudine = 0.0;   ///< latitude, decimal degrees as written in the file
  double Longitudine = 0.0;  ///< longitude, decimal degrees as written in the file
  double Altitudine = 0.0;   ///< altitude in metres; 0 means "no altitude", 1.0 "none in the file"
  double DataOra = 0.0;      ///< day number: days since 1899-12-30 00:00, fraction = time of day
};

static_assert(sizeof(Punto) == 4 * sizeof(double), "a point is exactly four doubles");

}  // namespace vianora
