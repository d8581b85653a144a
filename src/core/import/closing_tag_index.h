#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/growing_text.h"

namespace vianora {

/// Where the closing tags of a few chosen names lie in one text, noted in a single pass.
///
/// The elements that hold a whole file or track (gpx, trk, trkseg, the declaration) close a
/// whole file away, or never; each search for one of their closing tags would read the rest
/// of the text again. One pass notes every closing tag of the chosen names as it goes, as far
/// as the questions need, so that each question is a look-up. The pass follows a text still
/// being made as far as it is made.
class ClosingTagIndex {
 public:
  /// Names longer than this are never chosen.
  static constexpr std::size_t kLongestName = 8;

  /// `chosen` tells a chosen name; whileReading is called after every stretch the pass reads.
  ClosingTagIndex(const GrowingText& text, bool (*chosen)(std::string_view name),
                  std::function<void()> whileReading = {})
      : text_(text), chosen_(chosen), whileReading_(std::move(whileReading)) {}

  /// Whether `tag` ("</" name ">") is one that the index answers for.
  bool answersFor(std::string_view tag) const;

  /// The first position at or after `from` where `tag` starts, npos, or kNotMadeYet when the
  /// text made so far does not tell; none when the index gave up (a text with more of these
  /// tags than it keeps): the caller searches then.
  std::optional<std::size_t> find(std::string_view tag, std::size_t from);

  /// Every closing tag of a chosen name that starts before this position is noted; 0 once the
  /// index gave up.
  std::size_t notedBefore() const { return gaveUp_ || readTo_ == 0 ? 0 : readTo_ - 1; }

  /// Reads on through the text made so far; false when there was nothing more to read.
  bool readFurther();

 private:
  struct Noted {
    std::string tag;
    std::vector<std::size_t> at;  // in increasing order
  };

  void readStretch();
  void note(std::string_view tag, std::size_t at);

  const GrowingText& text_;
  bool (*chosen_)(std::string_view name);
  std::function<void()> whileReading_;
  std::vector<Noted> noted_;
  std::size_t readTo_ = 0;  // every closing tag whose "/" lies before this is noted
  std::size_t count_ = 0;   // positions noted
  bool gaveUp_ = false;
};

}  // namespace vianora
