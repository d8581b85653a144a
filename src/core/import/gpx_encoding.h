#pragma once

#include <optional>
#include <string_view>

#include "core/util/single_byte_text.h"

namespace vianora {

/// Codes of the encoding named in a file's XML declaration, as a trip keeps them (Codifica).
inline constexpr int kEncodingIso88591 = 0;
inline constexpr int kEncodingUtf8 = 1;
/// "UTF-8?": the value of a declaration that ends right after it, with no blank before "?>".
inline constexpr int kEncodingUtf8Closing = 2;
inline constexpr int kEncodingOther = -1;

/// The code of the encoding an XML declaration's value (upper-cased) names.
int encodingCode(std::string_view upperCasedValue);

/// How the names of a file are written, by its declaration's encoding value (upper-cased):
/// a "?" that the end of the declaration leaves on the value, and single quotes around it, do
/// not count. None for UTF-8 and for any name that is not a single-byte character set.
std::optional<SingleByteCharset> nameCharsetOf(std::string_view upperCasedValue);

}  // namespace vianora
