#include "core/import/gpx_encoding.h"

namespace vianora {

int encodingCode(std::string_view upperCasedValue) {
  if (upperCasedValue == "ISO-8859-1") return kEncodingIso88591;
  if (upperCasedValue == "UTF-8") return kEncodingUtf8;
  if (upperCasedValue == "UTF-8?") return kEncodingUtf8Closing;
  return kEncodingOther;
}

std::optional<SingleByteCharset> nameCharsetOf(std::string_view upperCasedValue) {
  std::string_view value = upperCasedValue;
  if (value.ends_with('?')) value.remove_suffix(1);
  if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
    value = value.substr(1, value.size() - 2);
  }
  return singleByteCharsetNamed(value);
}

}  // namespace vianora
