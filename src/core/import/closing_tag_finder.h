#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/closing_tag_index.h"

namespace vianora {

/// Finds closing tags in one text, remembering where each one was last found far ahead.
///
/// The GPX reader asks for the same closing tag again and again from positions that only move
/// forward; an element whose closing tag is missing (self-closed points, say) makes it ask for a
/// tag that is far away or nowhere. Remembering the answer keeps the whole read linear instead
/// of rescanning the rest of the text for every such element. The tags of the names that
/// `indexed` chooses, when given, are looked up in a ClosingTagIndex instead. In a text still
/// being made, a tag not found in what is made so far is answered kNotMadeYet; asked again
/// once more is made, the search goes on where it stopped.
class ClosingTagFinder {
 public:
  /// whileSearchingFar is called now and then while a search runs far ahead, so that the
  /// window can answer meanwhile.
  explicit ClosingTagFinder(const GrowingText& text, std::function<void()> whileSearchingFar = {},
                            bool (*indexed)(std::string_view name) = nullptr);

  /// The first position at or after `from` where `tag`, a closing tag ("</" name ">"),
  /// starts, npos, or kNotMadeYet.
  std::size_t find(std::string_view tag, std::size_t from);

  /// The same for the closing tag of the element `name`, without writing the tag out.
  std::size_t findClosingOf(std::string_view name, std::size_t from);

  /// The index, when there is one.
  ClosingTagIndex* index() { return index_ ? &*index_ : nullptr; }

 private:
  std::size_t searchNear(std::string_view name, std::size_t from) const;
  std::size_t findFar(std::string_view tag, std::size_t from);
  std::size_t searchFar(std::string_view tag, std::size_t from) const;

  struct Known {
    std::string tag;
    std::size_t searchedFrom;  // the search that found `at` started here
    std::size_t at;            // first occurrence at or after searchedFrom, npos or kNotMadeYet
    std::size_t searchedTo;    // for kNotMadeYet: the text made when the search stopped
  };

  const GrowingText& text_;
  std::function<void()> whileSearchingFar_;
  std::vector<Known> known_;
  std::optional<ClosingTagIndex> index_;
  std::string tag_;  // the closing tag looked for far ahead
};

}  // namespace vianora
