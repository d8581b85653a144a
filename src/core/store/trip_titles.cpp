#include "core/store/trip_titles.h"

#include <charconv>
#include <string_view>
#include <unordered_map>

#include "core/util/file_title.h"

namespace vianora {

namespace {

// Trips that carry each name. Unnamed trips are left out: their titles "(trip N)" differ from
// each other, so one can only be shared with a trip whose name reads the same.
std::unordered_map<std::string_view, std::size_t> namesInUse(const Percorsi& store) {
  std::unordered_map<std::string_view, std::size_t> uses;
  for (const Percorso& trip : store.trips()) {
    if (!trip.Nome.empty()) ++uses[trip.Nome];
  }
  return uses;
}

// The unnamed trip whose title a name reads as, if there is one.
bool namesAnUnnamedTrip(const Percorsi& store, std::string_view name) {
  constexpr std::string_view prefix = "(trip ";
  if (!name.starts_with(prefix) || !name.ends_with(')')) return false;
  const std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - 1);
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc{} || end != digits.data() + digits.size()) return false;
  return index < store.size() && store[index].Nome.empty() && tripTitle(store, index) == name;
}

}  // namespace

std::string tripTitle(const Percorsi& store, std::size_t index) {
  const std::string& name = store[index].Nome;
  if (!name.empty()) return name;
  return "(trip " + std::to_string(index) + ")";
}

std::vector<std::string> tripListEntries(const Percorsi& store) {
  const auto uses = namesInUse(store);
  const auto namedUses = [&](std::string_view title) {
    const auto found = uses.find(title);
    return found == uses.end() ? std::size_t{0} : found->second;
  };
  std::vector<std::string> entries;
  entries.reserve(store.size());
  for (std::size_t i = 0; i < store.size(); ++i) {
    const Percorso& trip = store[i];
    std::string title = tripTitle(store, i);
    const std::size_t sharing = trip.Nome.empty()
                                    ? namedUses(title) + 1
                                    : namedUses(title) + (namesAnUnnamedTrip(store, title) ? 1 : 0);
    if (sharing > 1 && !trip.sourceFile.empty()) title += " - " + fileTitle(trip.sourceFile);
    entries.push_back(std::move(title));
  }
  return entries;
}

}  // namespace vianora
