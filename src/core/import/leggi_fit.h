#pragma once

#include <string_view>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// Reads the bytes of a FIT file (or of several chained one after the other) into new trips.
///
/// Every `record` message with a position becomes a point: altitude from enhanced_altitude,
/// else altitude, else 1.0; time as a day number, 0 when the record has none. The points up to
/// a `session` message make its trip, named after its sport and start time ("cycling
/// 2013-08-16 15:35:10"); points after a file's last session, or in a file without sessions,
/// make a trip named "generic" and the first point's time. Trips without points are not made. A
/// fault (a bad header, a file cut short, a bad CRC) keeps what was read before it and is reported
/// once as failure 75 with the byte offset ("FIT: bad CRC at byte 12345"). Progress counts the
/// bytes read out of all of them.
void LeggiFit(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress = {});

}  // namespace vianora
