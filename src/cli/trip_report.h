#pragma once

#include <ostream>

#include "core/store/percorsi.h"

namespace vianora::cli {

// Both reports are written trip by trip as they are made: a store of a million trips is never
// held as one text.

/// Writes every trip of the store with its statistics, as text with the trip window's labels.
void writeTextReport(std::ostream& out, const Percorsi& store);

/// Writes every trip of the store with its statistics, as JSON: {"trips": [...]}.
void writeJsonReport(std::ostream& out, const Percorsi& store);

}  // namespace vianora::cli
