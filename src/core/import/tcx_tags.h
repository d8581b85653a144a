#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace vianora {

/// One tag of a TCX file, as TcxTags hands it over.
struct TcxTag {
  std::string_view name{};        ///< local name: a namespace prefix ("ns1:") is dropped
  std::string_view attributes{};  ///< what follows the name inside the tag
  bool closing = false;           ///< "</name>"
  bool selfClosed = false;        ///< "<name/>"
  std::string_view text{};        ///< the text after the tag, up to the next "<" or the end
  std::size_t at = 0;             ///< where the tag's "<" stands in the bytes
};

/// Walks the tags of a TCX file from the first to the last, once. Comments, declarations and
/// processing instructions are stepped over; a tag cut off by the end of the file ends the
/// walk. Nothing is copied: every view points into the bytes.
class TcxTags {
 public:
  explicit TcxTags(std::string_view bytes) : bytes_(bytes) {}

  std::optional<TcxTag> next();
  /// How far the walk has come, in bytes.
  std::size_t position() const { return pos_; }

 private:
  TcxTag tagOf(std::string_view inside, std::size_t at) const;

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

/// The value of attribute `name` among a tag's attributes, without its quotes; none when the
/// tag has no such attribute.
std::optional<std::string_view> tcxAttribute(std::string_view attributes, std::string_view name);

/// A text without the blanks, tabs and line ends around it.
std::string_view trimmedTcxText(std::string_view text);

}  // namespace vianora
