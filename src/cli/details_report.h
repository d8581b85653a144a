#pragma once

#include <ostream>
#include <string_view>

#include "cli/json_writer.h"
#include "core/analysis/trip_details.h"
#include "core/store/percorsi.h"

namespace vianora::cli {

/// Which table of the details --csv writes.
enum class CsvTable { None, Splits, Pauses };

/// The table a name picks: "splits" or "pauses"; None for any other.
CsvTable csvTableOfName(std::string_view name);

/// Writes a trip's details as the object "details": the figures as raw numbers (seconds,
/// km, metres, km/h, day numbers), null where there is no value.
void writeJsonDetails(JsonWriter& json, const TripDetails& details);

/// Writes one table of every trip's details as CSV, trip by trip: a header row, then a row
/// per split or pause with the trip's index first; plain numbers with a '.' decimal point
/// and no grouping, an empty field where there is no value, a field quoted when it holds a
/// comma, a quote or a line break.
void writeCsvTable(std::ostream& out, const Percorsi& store, CsvTable table);

}  // namespace vianora::cli
