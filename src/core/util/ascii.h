#pragma once

#include <string>
#include <string_view>

namespace vianora {

/// The upper-case form of an ASCII letter; every other byte stays as it is, so texts in any
/// encoding compare the way the file wrote them.
inline char upperCasedAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string upperCasedAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = upperCasedAscii(c);
  return upper;
}

/// The text with its ASCII capitals in lower case; every other byte stays as it is.
inline std::string lowerCasedAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

/// True when text upper-cased equals `upper` (which is written in upper case).
inline bool equalsIgnoringCase(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (upperCasedAscii(text[i]) != upper[i]) return false;
  }
  return true;
}

/// True when text begins with `upperPrefix`, comparing ASCII letters without regard to case.
inline bool startsWithIgnoringCase(std::string_view text, std::string_view upperPrefix) {
  return text.size() >= upperPrefix.size() &&
         equalsIgnoringCase(text.substr(0, upperPrefix.size()), upperPrefix);
}

}  // namespace vianora
