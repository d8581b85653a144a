#include "core/util/number_text.h"

#include <charconv>
#include <cstdint>
#include <iterator>
#include <string>
#include <system_error>

namespace vianora {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, stepping over blanks, tabs and line feeds wherever they stand.
class Reader {
 public:
  Reader(std::string_view text, bool skipDoubleQuotes)
      : text_(text), skipDoubleQuotes_(skipDoubleQuotes) {}

  // The next character that is not skipped, or '\0' at the end (which ends the number too).
  char peek() {
    while (at_ < text_.size() && isSkipped(text_[at_])) ++at_;
    return at_ < text_.size() ? text_[at_] : '\0';
  }
  void skip() { ++at_; }

 private:
  bool isSkipped(char c) const {
    return c == ' ' || c == '\t' || c == '\n' || (skipDoubleQuotes_ && c == '"');
  }

  std::string_view text_;
  bool skipDoubleQuotes_;
  std::size_t at_ = 0;
};

// The number in the plain form from_chars reads, and a rough power of ten of its size, which
// tells an overflow from an underflow when from_chars finds the value out of range.
struct CleanNumber {
  std::string chars;
  bool hasDigits = false;
  std::int64_t magnitude = 0;
};

constexpr std::int64_t kExponentCap = 1'000'000'000'000;

void readExponent(Reader& reader, CleanNumber& number) {
  const char letter = reader.peek();
  if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') return;
  reader.skip();
  const char sign = reader.peek();
  if (sign == '+' || sign == '-') reader.skip();
  if (!isDigit(reader.peek())) return;  // a letter without digits ends the number
  number.chars += sign == '-' ? "e-" : "e";
  std::int64_t exponent = 0;
  for (char c = reader.peek(); isDigit(c); c = reader.peek()) {
    number.chars.push_back(c);
    if (exponent < kExponentCap) exponent = exponent * 10 + (c - '0');
    reader.skip();
  }
  number.magnitude += sign == '-' ? -exponent : exponent;
}

CleanNumber cleanNumberOf(std::string_view text, bool skipDoubleQuotes) {
  Reader reader(text, skipDoubleQuotes);
  CleanNumber number;
  const char sign = reader.peek();
  if (sign == '+' || sign == '-') reader.skip();
  if (sign == '-') number.chars.push_back('-');
  number.chars.push_back('0');     // so that ".5" still has an integer digit
  std::int64_t integerDigits = 0;  // counted from the first non-zero one
  for (char c = reader.peek(); isDigit(c); c = reader.peek()) {
    number.chars.push_back(c);
    number.hasDigits = true;
    if (integerDigits > 0 || c != '0') ++integerDigits;
    reader.skip();
  }
  number.magnitude = integerDigits;
  if (reader.peek() == '.') {
    reader.skip();
    number.chars.push_back('.');
    bool leadingZero = integerDigits == 0;
    for (char c = reader.peek(); isDigit(c); c = reader.peek()) {
      number.chars.push_back(c);
      number.hasDigits = true;
      leadingZero = leadingZero && c == '0';
      if (leadingZero) --number.magnitude;
      reader.skip();
    }
  }
  if (number.hasDigits) readExponent(reader, number);
  return number;
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
constexpr int kMostDigitsHeld = 19;  // below 10^19, the digits fit 64 bits

// Nearly every number in a file is plain: blanks (PLT pads its columns), a sign, digits, a
// point, digits, and then the end of the text or a character that cannot continue it. Those
// with few digits are the quotient of two doubles that are exact, which one division rounds
// correctly (as from_chars does: the same double); the rest go straight to from_chars.
std::optional<double> plainNumber(std::string_view text, bool quoted) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                             (quoted && text[i] == '"'))) {
    ++i;
  }
  std::size_t start = i;  // from_chars takes a minus sign but no plus sign
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '+') start = i + 1;
    ++i;
  }
  const std::size_t firstDigit = i;
  std::uint64_t digits = 0;
  int digitCount = 0;
  int fractionDigits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++digitCount) {
    if (digitCount < kMostDigitsHeld) digits = digits * 10 + static_cast<unsigned>(text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digitCount, ++fractionDigits) {
      if (digitCount < kMostDigitsHeld) digits = digits * 10 + static_cast<unsigned>(text[i] - '0');
    }
  }
  const std::size_t end = i;
  const bool noDigit = end == firstDigit || (end == firstDigit + 1 && text[firstDigit] == '.');
  if (noDigit) return std::nullopt;
  if (quoted && i < text.size() && text[i] == '"') ++i;
  if (i < text.size()) {
    const char next = text[i];
    if (next == ' ' || next == '\t' || next == '\n' || next == '"' || next == 'e' || next == 'E' ||
        next == 'd' || next == 'D' || next == '.' || isDigit(next)) {
      return std::nullopt;
    }
  }
  if (digitCount <= kMostDigitsHeld && digits <= kLargestExactInteger &&
      fractionDigits < static_cast<int>(std::size(kExactPowersOfTen))) {
    if (digits == 0) return 0.0;  // no negative zero
    const double value = static_cast<double>(digits) / kExactPowersOfTen[fractionDigits];
    return negative ? -value : value;
  }
  double value = 0.0;
  const auto result = std::from_chars(text.data() + start, text.data() + end, value);
  if (result.ec != std::errc() || result.ptr != text.data() + end) return std::nullopt;
  return value == 0.0 ? 0.0 : value;  // no negative zero
}

std::optional<double> numberOf(std::string_view text, bool skipDoubleQuotes) {
  if (text.empty()) return 0.0;  // a time without a fraction of a second, for one
  if (const auto plain = plainNumber(text, skipDoubleQuotes)) return plain;
  const CleanNumber number = cleanNumberOf(text, skipDoubleQuotes);
  if (!number.hasDigits) return 0.0;
  double value = 0.0;
  const auto result =
      std::from_chars(number.chars.data(), number.chars.data() + number.chars.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (number.magnitude > 0) return std::nullopt;
    return 0.0;
  }
  if (value == 0.0) return 0.0;  // no negative zero
  return value;
}

}  // namespace

std::optional<double> numberOfText(std::string_view text) { return numberOf(text, false); }

std::optional<double> numberOfQuotedText(std::string_view text) { return numberOf(text, true); }

}  // namespace vianora
