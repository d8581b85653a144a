#include "core/analysis/details_texts.h"

namespace vianora {

std::vector<DetailsFigure> detailsFigures(const TripDetails&, const DisplayFormat&) { return {}; }

TextTable pausesTable(const TripDetails&, const DisplayFormat&) { return {}; }

TextTable splitsTable(const TripDetails&, const DisplayFormat&) { return {}; }

std::string tabSeparated(const TextTable&) { return {}; }

}  // namespace vianora
