#include "core/util/next_token.h"

namespace vianora {

std::string_view NextToken(std::string_view& s, std::string_view sep) {
  // A one-character separator, the usual case, is looked for by the library's byte search.
  const auto at = sep.size() == 1 ? s.find(sep.front()) : s.find(sep);
  if (at == std::string_view::npos) {
    const auto all = s;
    s = {};
    return all;
  }
  const auto token = s.substr(0, at);
  s.remove_prefix(at + sep.size());
  return token;
}

std::string NextToken(std::string& s, std::string_view sep) {
  std::string_view rest = s;
  std::string token(NextToken(rest, sep));
  s.erase(0, s.size() - rest.size());
  return token;
}

}  // namespace vianora
