#include "cli/utf8_text.h"

namespace vianora::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

constexpr unsigned char kC1Lead = 0xC2;  // U+0080 to U+009F are 0xC2 0x80 to 0xC2 0x9F

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool isC0OrDelete(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

void appendByteEscape(std::string& out, unsigned char byte) {
  out += "\\x";
  appendHexByte(out, byte);
}

/// Length of the well-formed sequence starting at bytes[i], or 0 when there is none.
std::size_t sequenceLength(std::string_view bytes, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (at(1) < low || at(1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!isContinuation(at(k))) return 0;
  }
  return length;
}

}  // namespace

std::string validUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = sequenceLength(bytes, i);
    if (length == 0) {
      text += kReplacement;
      ++i;
    } else {
      text.append(bytes.substr(i, length));
      i += length;
    }
  }
  return text;
}

std::string terminalText(std::string_view bytes) {
  const std::string text = validUtf8(bytes);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (isC0OrDelete(byte)) {
      appendByteEscape(out, byte);
    } else if (byte == kC1Lead && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      appendByteEscape(out, byte);  // valid UTF-8: a continuation byte follows the lead
      appendByteEscape(out, static_cast<unsigned char>(text[++i]));
    } else {
      out += text[i];
    }
  }
  return out;
}

void appendHexByte(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

}  // namespace vianora::cli
