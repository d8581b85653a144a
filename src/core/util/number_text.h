#pragma once

#include <optional>
#include <string_view>

namespace vianora {

/// The number a text begins with, read the same way in every locale.
///
/// Blanks, tabs and line feeds are skipped wherever they stand; then come an optional sign,
/// digits with "." as the decimal point and an optional exponent (e, E, d or D, an optional
/// sign and digits; an exponent letter without digits ends the number, so "1e" gives 1).
/// Reading stops at the first character that cannot continue the number: "9.25/" gives 9.25,
/// a text that does not begin with a number gives 0 and "-0" gives 0. A value too small for
/// a double gives 0; one too large gives no value (the "Overflow" failure).
std::optional<double> numberOfText(std::string_view text);

/// The number of a text from which every double quote has been removed (an attribute value
/// such as "45.5", quotes included), without making that copy.
std::optional<double> numberOfQuotedText(std::string_view text);

}  // namespace vianora
