#include "util/number_text.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace vianora {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, stepping over blanks, tabs and line feeds wherever they stand.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next character that is not skipped, or '\0' at the end (which ends the number too).
  char peek() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n'))
      ++at_;
    return at_ < text_.size() ? text_[at_] : '\0';
  }
  void skip() { ++at_; }

 private:
  std::string_view text_;
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

CleanNumber cleanNumberOf(std::string_view text) {
  Reader reader(text);
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

}  // namespace

std::optional<double> numberOfText(std::string_view text) {
  const CleanNumber number = cleanNumberOf(text);
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

}  // namespace vianora
