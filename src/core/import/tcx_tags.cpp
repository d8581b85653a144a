#include "core/import/tcx_tags.h"

namespace vianora {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kSpace = " \t\r\n";

}  // namespace

std::optional<TcxTag> TcxTags::next() {
  while (true) {
    const std::size_t open = bytes_.find('<', pos_);
    if (open == npos) break;
    const std::string_view from = bytes_.substr(open);
    const std::string_view ending = from.starts_with("<!--") ? "-->" : ">";
    const std::size_t close = bytes_.find(ending, open + 1);
    if (close == npos) break;
    pos_ = close + ending.size();
    if (from.starts_with("<!") || from.starts_with("<?")) continue;
    return tagOf(bytes_.substr(open + 1, close - open - 1), open);
  }
  pos_ = bytes_.size();
  return std::nullopt;
}

TcxTag TcxTags::tagOf(std::string_view inside, std::size_t at) const {
  TcxTag tag{.at = at};
  if (inside.starts_with('/')) {
    tag.closing = true;
    inside.remove_prefix(1);
  }
  if (inside.ends_with('/')) {
    tag.selfClosed = true;
    inside.remove_suffix(1);
  }
  const std::size_t nameEnd = inside.find_first_of(kSpace);
  tag.name = inside.substr(0, nameEnd);
  if (nameEnd != npos) tag.attributes = inside.substr(nameEnd);
  const std::size_t colon = tag.name.rfind(':');
  if (colon != npos) tag.name.remove_prefix(colon + 1);
  const std::size_t textEnd = bytes_.find('<', pos_);
  tag.text = bytes_.substr(pos_, textEnd == npos ? npos : textEnd - pos_);
  return tag;
}

// name="value" or name='value', with blanks allowed around "=".
std::optional<std::string_view> tcxAttribute(std::string_view attributes, std::string_view name) {
  for (std::size_t at = attributes.find(name); at != npos; at = attributes.find(name, at + 1)) {
    if (at == 0 || kSpace.find(attributes[at - 1]) == npos) continue;
    std::string_view rest = trimmedTcxText(attributes.substr(at + name.size()));
    if (!rest.starts_with('=')) continue;
    rest = trimmedTcxText(rest.substr(1));
    if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) continue;
    const std::size_t end = rest.find(rest.front(), 1);
    return rest.substr(1, end == npos ? npos : end - 1);
  }
  return std::nullopt;
}

std::string_view trimmedTcxText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

}  // namespace vianora
