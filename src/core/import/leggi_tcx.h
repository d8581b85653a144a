#pragma once

#include <string_view>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// Reads the bytes of one TCX (Training Center) file into the store.
///
/// Each Activity becomes a trip, its laps and tracks joined, named after its Sport attribute
/// and its Id, a blank between ("Running 2012-12-26T21:29:53Z"); each Course becomes a trip
/// named after its Name. A Trackpoint becomes a point only with both LatitudeDegrees and
/// LongitudeDegrees in its Position; one without is skipped quietly, as devices write them
/// during pauses. AltitudeMeters gives the altitude (1.0 when absent), Time the day number
/// (0 when absent). Element names may carry a namespace prefix. A value that does not read (a
/// number beyond a double, failure 6; a time that does not convert, failure 13) is reported
/// with its line and left out of its point. Progress counts the bytes read out of all of them.
void LeggiTcx(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress = {});

}  // namespace vianora
