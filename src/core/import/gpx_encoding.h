#pragma once

#include <string_view>

namespace vianora {

/// Code of the encoding named in an XML declaration: 0 for ISO-8859-1, 1 for UTF-8, 2 for
/// "UTF-8?" (a declaration that ends right after the value), -1 for anything else.
int encodingCode(std::string_view upperCasedValue);

}  // namespace vianora
