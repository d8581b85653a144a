#include "core/util/single_byte_text.h"

#include <cstdint>

namespace vianora {
namespace {

// Windows-1252 at 0x80-0x9F; the five bytes it leaves undefined keep their Latin-1 meaning.
constexpr std::uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& text, unsigned codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace

std::optional<SingleByteCharset> singleByteCharsetNamed(std::string_view upperCasedName) {
  if (upperCasedName == "ISO-8859-1" || upperCasedName == "ISO_8859-1" ||
      upperCasedName == "LATIN1") {
    return SingleByteCharset::Latin1;
  }
  if (upperCasedName == "WINDOWS-1252" || upperCasedName == "CP1252") {
    return SingleByteCharset::Windows1252;
  }
  return std::nullopt;
}

std::string utf8OfSingleByteText(std::string_view bytes, SingleByteCharset charset) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const bool windowsHigh =
        charset == SingleByteCharset::Windows1252 && byte >= 0x80 && byte < 0xA0;
    appendUtf8(text, windowsHigh ? kWindows1252High[byte - 0x80] : byte);
  }
  return text;
}

}  // namespace vianora
