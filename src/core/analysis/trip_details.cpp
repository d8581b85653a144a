#include "core/analysis/trip_details.h"

namespace vianora {

TripDetails computeTripDetails(const Percorso&) { return {}; }

}  // namespace vianora
