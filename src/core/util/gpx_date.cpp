#include "core/util/gpx_date.h"

#include "core/util/day_number.h"
#include "core/util/time_units.h"

namespace vianora {
namespace {

constexpr int kYearDigits = 4;
// Month, day, hour, minute and second: one or two digits; those of an offset always two.
constexpr int kFieldMinDigits = 1;
constexpr int kFieldMaxDigits = 2;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the fields of a GPX time from left to right; every read fails softly by returning
// false or no value, so a bad text simply gives no date.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool atEnd() const { return at_ == text_.size(); }
  bool take(char c) {
    if (atEnd() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  // Blanks: how many were stepped over.
  int skipBlanks() {
    int count = 0;
    while (take(' ')) ++count;
    return count;
  }
  // A number of minDigits to maxDigits digits; what follows is left to the caller, whose next
  // separator check turns away a field with too many digits.
  std::optional<int> number(int minDigits, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (digits < maxDigits && !atEnd() && isDigit(text_[at_])) {
      value = value * 10 + (text_[at_++] - '0');
      ++digits;
    }
    if (digits < minDigits) return {};
    return value;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// "+hh", "+hhmm" or "+hh:mm" (or with "-"); only checked, since the time stays as written.
bool readZoneOffset(Cursor& cursor) {
  if (!cursor.take('+') && !cursor.take('-')) return false;
  const auto hours = cursor.number(kFieldMaxDigits, kFieldMaxDigits);
  if (!hours || *hours >= kHoursPerDay) return false;
  if (cursor.atEnd() || cursor.skipBlanks() > 0) return true;
  cursor.take(':');
  const auto minutes = cursor.number(kFieldMaxDigits, kFieldMaxDigits);
  return minutes && *minutes < kMinutesPerHour;
}

}  // namespace

std::optional<double> dayNumberOfGpxDate(std::string_view datePart) {
  Cursor cursor(datePart);
  cursor.skipBlanks();
  const auto year = cursor.number(kYearDigits, kYearDigits);
  if (!year || !cursor.take('-')) return {};
  const auto month = cursor.number(kFieldMinDigits, kFieldMaxDigits);
  if (!month || !cursor.take('-')) return {};
  const auto day = cursor.number(kFieldMinDigits, kFieldMaxDigits);
  if (!day || cursor.skipBlanks() == 0) return {};
  const auto hour = cursor.number(kFieldMinDigits, kFieldMaxDigits);
  if (!hour || !cursor.take(':')) return {};
  const auto minute = cursor.number(kFieldMinDigits, kFieldMaxDigits);
  if (!minute || !cursor.take(':')) return {};
  const auto second = cursor.number(kFieldMinDigits, kFieldMaxDigits);
  if (!second) return {};
  cursor.skipBlanks();
  if (!cursor.atEnd() && !readZoneOffset(cursor)) return {};
  cursor.skipBlanks();
  if (!cursor.atEnd()) return {};
  return dayNumberOf(CivilDate{*year, *month, *day}, *hour, *minute, *second);
}

double millisecondsOfGpxFraction(std::string_view afterPoint) {
  // Whole digits and exact powers of ten, so the one division rounds as a literal would.
  constexpr int kMaxDigits = 15;  // below 2^53
  constexpr int kMillisecondDigits = 3;
  double digits = 0;
  int count = 0;
  while (count < kMaxDigits && count < static_cast<int>(afterPoint.size()) &&
         isDigit(afterPoint[count])) {
    digits = digits * 10 + (afterPoint[count] - '0');
    ++count;
  }
  double scale = 1;
  for (int i = count; i > kMillisecondDigits; --i) scale *= 10;
  for (int i = count; i < kMillisecondDigits; ++i) digits *= 10;
  return digits / scale;
}

}  // namespace vianora
