#include "core/util/single_byte_text.h"

#include <cstdint>
#include <iterator>

namespace vianora {
namespace {

// Windows-1252 at 0x80-0x9F; the five bytes it leaves undefined keep their Latin-1 meaning.
constexpr unsigned kWindowsHighFirst = 0x80;
constexpr std::uint16_t kWindows1252High[] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// UTF-8 writes a code point below 0x80 as one byte, one below 0x800 as two and the rest of
// the first plane as three; each byte after the first carries six bits under the mark 10.
constexpr unsigned kOneByteEnd = 0x80;
constexpr unsigned kTwoByteEnd = 0x800;
constexpr unsigned kTwoByteLead = 0xC0;    // 110xxxxx
constexpr unsigned kThreeByteLead = 0xE0;  // 1110xxxx
constexpr unsigned kFollowingMark = 0x80;  // 10xxxxxx
constexpr int kFollowingBits = 6;
constexpr unsigned kFollowingMask = (1u << kFollowingBits) - 1;

void appendUtf8(std::string& text, unsigned codePoint) {
  const auto following = [&](int shift) {
    text += static_cast<char>(kFollowingMark | ((codePoint >> shift) & kFollowingMask));
  };
  if (codePoint < kOneByteEnd) {
    text += static_cast<char>(codePoint);
    return;
  }
  if (codePoint < kTwoByteEnd) {
    text += static_cast<char>(kTwoByteLead | (codePoint >> kFollowingBits));
  } else {
    text += static_cast<char>(kThreeByteLead | (codePoint >> 2 * kFollowingBits));
    following(kFollowingBits);
  }
  following(0);
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
  text.reserve(bytes.size() * 2);  // most bytes take one or two
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const bool windowsHigh = charset == SingleByteCharset::Windows1252 &&
                             byte >= kWindowsHighFirst &&
                             byte - kWindowsHighFirst < std::size(kWindows1252High);
    appendUtf8(text, windowsHigh ? kWindows1252High[byte - kWindowsHighFirst] : byte);
  }
  return text;
}

}  // namespace vianora
