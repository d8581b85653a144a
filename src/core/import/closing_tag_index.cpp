#include "core/import/closing_tag_index.h"

#include <algorithm>
#include <cstring>

namespace vianora {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::size_t kStretch = std::size_t{1} << 20;
// Past this many positions (8 MB of them) a text is no file of tracks: the index gives up.
constexpr std::size_t kMostNoted = std::size_t{1} << 20;

}  // namespace

bool ClosingTagIndex::answersFor(std::string_view tag) const {
  if (gaveUp_ || tag.size() < 4 || !tag.starts_with("</") || !tag.ends_with('>')) return false;
  const std::string_view name = tag.substr(2, tag.size() - 3);
  return name.size() <= kLongestName && name.find('>') == npos && chosen_(name);
}

// The noted positions of a tag hold every one of its occurrences whose "/" lies before
// readTo_, so the first of them at or after `from` is the tag's first occurrence there.
std::optional<std::size_t> ClosingTagIndex::find(std::string_view tag, std::size_t from) {
  while (!gaveUp_) {
    const auto noted =
        std::find_if(noted_.begin(), noted_.end(), [tag](const Noted& n) { return n.tag == tag; });
    if (noted != noted_.end()) {
      const auto at = std::lower_bound(noted->at.begin(), noted->at.end(), from);
      if (at != noted->at.end()) return *at;
    }
    if (!readFurther()) return text_.complete() ? npos : kNotMadeYet;
  }
  return std::nullopt;
}

bool ClosingTagIndex::readFurther() {
  const std::size_t before = readTo_;
  if (!gaveUp_ && readTo_ < text_.made().size()) readStretch();
  return readTo_ != before;
}

// Every "/" after a "<" starts a closing tag whose name runs to the next ">"; a name holds no
// ">", so the tag "</" name ">" occurs exactly where that name is read. In a text still being
// made, a "/" whose name may not be made whole yet waits for more.
void ClosingTagIndex::readStretch() {
  const std::string_view text = text_.made();
  const bool whole = text_.complete();
  const char* const begin = text.data();
  const std::size_t to = std::min(text.size(), readTo_ + kStretch);
  std::size_t at = readTo_;
  while (at < to && !gaveUp_) {
    const void* slash = std::memchr(begin + at, '/', to - at);
    if (slash == nullptr) {
      at = to;
      break;
    }
    const auto s = static_cast<std::size_t>(static_cast<const char*>(slash) - begin);
    if (!whole && text.size() - s <= kLongestName + 1) {
      at = s;
      break;
    }
    at = s + 1;
    if (s == 0 || begin[s - 1] != '<') continue;
    const void* close = std::memchr(begin + at, '>', std::min(kLongestName + 1, text.size() - at));
    if (close == nullptr) continue;
    const std::string_view name(
        begin + at, static_cast<std::size_t>(static_cast<const char*>(close) - (begin + at)));
    if (!name.empty() && chosen_(name)) note(text.substr(s - 1, name.size() + 3), s - 1);
  }
  readTo_ = at;
  if (whileReading_) whileReading_();
}

void ClosingTagIndex::note(std::string_view tag, std::size_t at) {
  if (++count_ > kMostNoted) {
    gaveUp_ = true;
    noted_ = {};
    return;
  }
  const auto noted =
      std::find_if(noted_.begin(), noted_.end(), [tag](const Noted& n) { return n.tag == tag; });
  if (noted != noted_.end()) {
    noted->at.push_back(at);
  } else {
    noted_.push_back(Noted{std::string(tag), {at}});
  }
}

}  // namespace vianora
