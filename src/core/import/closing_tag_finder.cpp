#include "core/import/closing_tag_finder.h"

#include <algorithm>
#include <cstring>

namespace vianora {

namespace {

constexpr std::size_t npos = std::string_view::npos;
// What searchNear answers when the tag is not within its reach: it may lie further on.
constexpr std::size_t kNotNear = npos - 2;
// Where a closing tag's name starts, after "</".
constexpr std::size_t kNameStart = 2;

// Names are a few characters long: compared here rather than by a call to the library.
bool sameCharacters(const char* at, std::string_view name) {
  for (const char c : name) {
    if (*at++ != c) return false;
  }
  return true;
}

}  // namespace

ClosingTagFinder::ClosingTagFinder(const GrowingText& text, std::function<void()> whileSearchingFar,
                                   bool (*indexed)(std::string_view name))
    : text_(text), whileSearchingFar_(std::move(whileSearchingFar)) {
  if (indexed != nullptr) index_.emplace(text, indexed, whileSearchingFar_);
}

std::size_t ClosingTagFinder::find(std::string_view tag, std::size_t from) {
  return findClosingOf(tag.substr(kNameStart, tag.size() - kNameStart - 1), from);
}

// Most closing tags are a few dozen characters ahead and found at once, without remembering
// anything; the rest are remembered or indexed.
std::size_t ClosingTagFinder::findClosingOf(std::string_view name, std::size_t from) {
  const std::size_t near = searchNear(name, from);
  if (near != kNotNear) return near;
  tag_.assign("</").append(name).append(">");
  if (index_ && index_->answersFor(tag_)) {
    if (const auto at = index_->find(tag_, from)) return *at;
  }
  return findFar(tag_, from);
}

// Jumping from "<" to "<" and comparing the rest in place; npos when the text ends within the
// reach without the tag (in a text still being made, the far search decides).
std::size_t ClosingTagFinder::searchNear(std::string_view name, std::size_t from) const {
  constexpr std::size_t kShortReach = 256;
  const std::size_t length = name.size() + kNameStart + 1;  // "</" name ">"
  const std::string_view text = text_.made();
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* at = begin + std::min(from, text.size());
  if (!text_.complete() && static_cast<std::size_t>(end - at) < kShortReach + length) return kNotNear;
  const char* const nearEnd =
      static_cast<std::size_t>(end - at) > kShortReach ? at + kShortReach : end;
  while (at < nearEnd && static_cast<std::size_t>(end - at) >= length) {
    const void* lead = std::memchr(at, '<', static_cast<std::size_t>(nearEnd - at));
    if (lead == nullptr) break;
    at = static_cast<const char*>(lead);
    if (static_cast<std::size_t>(end - at) < length) return npos;
    if (at[1] == '/' && at[length - 1] == '>' && sameCharacters(at + kNameStart, name)) {
      return static_cast<std::size_t>(at - begin);
    }
    ++at;
  }
  return nearEnd == end ? npos : kNotNear;
}

std::size_t ClosingTagFinder::findFar(std::string_view tag, std::size_t from) {
  const std::size_t made = text_.made().size();
  for (Known& known : known_) {
    if (known.tag != tag) continue;
    // No occurrence lies between searchedFrom and at, so a later start finds the same one.
    const bool stillValid = from >= known.searchedFrom && known.at >= from;
    if (!stillValid) {
      known.searchedFrom = from;
      known.at = searchFar(tag, from);
      known.searchedTo = made;
    } else if (known.at == kNotMadeYet && known.searchedTo != made) {
      // On from where the last search stopped, less the length of a tag cut there.
      const std::size_t goOn = std::max(from, known.searchedTo - std::min(known.searchedTo, tag.size() - 1));
      known.at = searchFar(tag, goOn);
      known.searchedTo = made;
    }
    return known.at;
  }
  known_.push_back(Known{std::string(tag), from, searchFar(tag, from), made});
  return known_.back().at;
}

// A stretch at a time (overlapping by the tag's length less one), so that the window can
// answer meanwhile. The standard search: GNU memmem was faster on this search alone (benchmark
// FarClosingTag/1M, one tag through 100 MB: 19 ms against 35 ms), but the whole read of a
// 1,000,000-point file (LeggiGpx/1M) showed no difference.
std::size_t ClosingTagFinder::searchFar(std::string_view tag, std::size_t from) const {
  constexpr std::size_t kStretch = std::size_t{1} << 20;
  const std::string_view text = text_.made();
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* at = begin + std::min(from, text.size());
  while (static_cast<std::size_t>(end - at) >= tag.size()) {
    const std::size_t length =
        std::min(kStretch + tag.size() - 1, static_cast<std::size_t>(end - at));
    const std::size_t found = std::string_view(at, length).find(tag);
    if (found != npos) return static_cast<std::size_t>(at - begin) + found;
    at += length - (tag.size() - 1);
    if (whileSearchingFar_) whileSearchingFar_();
  }
  return text_.complete() ? npos : kNotMadeYet;
}

}  // namespace vianora
