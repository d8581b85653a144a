#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/store/percorsi.h"

namespace vianora {

/// What a trip is called on screen: its name, or "(trip N)" with N its index when it has none.
std::string tripTitle(const Percorsi& store, std::size_t index);

/// The trip list, one entry per trip in store order: each trip's title, followed by
/// " - " and the name of its file where another trip has the same title.
std::vector<std::string> tripListEntries(const Percorsi& store);

}  // namespace vianora
