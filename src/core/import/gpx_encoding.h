#pragma once

#include <optional>
#include <string_view>

#include "core/util/single_byte_text.h"

namespace vianora {

/// Code of the encoding named in an XML declaration: 0 for ISO-8859-1, 1 for UTF-8, 2 for
/// "UTF-8?" (a declaration that ends right after the value), -1 for anything else.
int encodingCode(std::string_view upperCasedValue);

/// How the names of a file are written, by its declaration's encoding value (upper-cased):
/// a "?" that the end of the declaration leaves on the value, and single quotes around it, do
/// not count. None for UTF-8 and for any name that is not a single-byte character set.
std::optional<SingleByteCharset> nameCharsetOf(std::string_view upperCasedValue);

}  // namespace vianora
