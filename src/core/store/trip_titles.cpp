#include "store/trip_titles.h"

#include <unordered_map>

#include "import/reader_choice.h"

namespace vianora {

std::string tripTitle(const Percorsi& store, std::size_t index) {
  const std::string& name = store[index].Nome;
  if (!name.empty()) return name;
  return "(trip " + std::to_string(index) + ")";
}

std::vector<std::string> tripListEntries(const Percorsi& store) {
  std::vector<std::string> entries;
  entries.reserve(store.size());
  std::unordered_map<std::string, std::size_t> uses;
  for (std::size_t i = 0; i < store.size(); ++i) {
    entries.push_back(tripTitle(store, i));
    ++uses[entries.back()];
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& file = store[i].sourceFile;
    if (!file.empty() && uses[entries[i]] > 1) entries[i] += " - " + fileTitle(file);
  }
  return entries;
}

}  // namespace vianora
