#pragma once

#include <string_view>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// The name of a flight log's trip when it names neither pilot nor glider nor date.
inline constexpr std::string_view kUnnamedFlight = "IGC";

/// Reads the bytes of one flight log (IGC) into a new trip.
///
/// A line ends at CR LF or a bare LF. Every B record is a point (see readIgcFix); its time
/// is the UTC time of day on the date of the HFDTE header ("HFDTEDDMMYY" or
/// "HFDTEDATE:DDMMYY,NN"; years 80 to 99 are 19xx, the others 20xx), moved a day on each time
/// it goes back (a flight over midnight). Points read before a date, or in a file without
/// one, have no time. The trip is named "pilot - glider" from the HFPLTPILOT: (or
/// HFPLTPILOTINCHARGE:) and HFGTYGLIDERTYPE: headers, by whichever of the two is there, else
/// by the date as YYYY-MM-DD, else kUnnamedFlight. A B record that does not read is reported
/// as failure 13 with its line and skipped; a store that cannot grow ends the reading with
/// failure 7. Progress counts the bytes read out of all of them.
void LeggiIgc(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress = {});

}  // namespace vianora
