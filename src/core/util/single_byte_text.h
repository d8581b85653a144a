#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vianora {

/// Character sets that write every character as one byte.
enum class SingleByteCharset {
  Latin1,       ///< ISO-8859-1: byte n is the character U+00nn
  Windows1252,  ///< Latin-1 with printable characters (euro sign, curly quotes) at 0x80-0x9F
};

/// The single-byte character set an encoding name (upper-cased, as an XML declaration gives
/// it) stands for: ISO-8859-1, ISO_8859-1 and LATIN1 for Latin-1, WINDOWS-1252 and CP1252 for
/// Windows-1252; none for any other name, UTF-8 among them.
std::optional<SingleByteCharset> singleByteCharsetNamed(std::string_view upperCasedName);

/// The UTF-8 form of a text written in a single-byte character set.
std::string utf8OfSingleByteText(std::string_view bytes, SingleByteCharset charset);

}  // namespace vianora
