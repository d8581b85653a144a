#pragma once

#include <string>

#include "store/percorsi.h"

namespace vianora::cli {

/// Every trip of the store with its statistics, as text with the trip window's labels.
std::string textReport(const Percorsi& store);

/// Every trip of the store with its statistics, as JSON: {"trips": [...]}.
std::string jsonReport(const Percorsi& store);

}  // namespace vianora::cli
