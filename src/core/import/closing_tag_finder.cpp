#include "import/closing_tag_finder.h"

namespace vianora {

std::size_t ClosingTagFinder::find(std::string_view tag, std::size_t from) {
  for (Known& known : known_) {
    if (known.tag != tag) continue;
    // No occurrence lies between searchedFrom and at, so a later start finds the same one.
    const bool stillValid =
        from >= known.searchedFrom && (known.at == std::string_view::npos || known.at >= from);
    if (!stillValid) {
      known.searchedFrom = from;
      known.at = text_.find(tag, from);
    }
    return known.at;
  }
  known_.push_back(Known{std::string(tag), from, text_.find(tag, from)});
  return known_.back().at;
}

}  // namespace vianora
