#pragma once

#include <string>
#include <string_view>

namespace vianora {

/// Upper-cases the ASCII letters of a text; every other byte stays as it is, so texts in any
/// encoding compare the way the file wrote them.
inline std::string upperCasedAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

/// True when text begins with `prefix`, comparing ASCII letters without regard to case.
inline bool startsWithIgnoringCase(std::string_view text, std::string_view upperPrefix) {
  if (text.size() < upperPrefix.size()) return false;
  return upperCasedAscii(text.substr(0, upperPrefix.size())) == upperPrefix;
}

}  // namespace vianora
