#include "gui/tripwindow/locale_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/util/number_format.h"
#include "core/util/time_format.h"

namespace vianora::gui {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kItalian(QLocale::Italian, QLocale::Italy);
const QLocale kFinnish(QLocale::Finnish, QLocale::Finland);

TEST(LocaleDisplayFormat, TakesTheLocaleSeparators) {
  const DisplayFormat english = localeDisplayFormat(kEnglish);
  EXPECT_EQ(english.separators.decimal, ".");
  EXPECT_EQ(english.separators.thousands, ",");
  const DisplayFormat italian = localeDisplayFormat(kItalian);
  EXPECT_EQ(italian.separators.decimal, ",");
  EXPECT_EQ(italian.separators.thousands, ".");
  EXPECT_EQ(formatNumber(1234.567, NumberPattern::ThreeDecimals, italian.separators), "1.234,567");
}

TEST(LocaleDisplayFormat, KeepsSeparatorsOfMoreThanOneByte) {
  // Finnish groups digits with a no-break space, two bytes in UTF-8.
  const DisplayFormat finnish = localeDisplayFormat(kFinnish);
  EXPECT_EQ(QString::fromStdString(finnish.separators.thousands), kFinnish.groupSeparator());
  const QString text =
      QString::fromStdString(formatNumber(1234.5, NumberPattern::OneDecimal, finnish.separators));
  EXPECT_EQ(text, QStringLiteral("1") + kFinnish.groupSeparator() + QStringLiteral("234,5"));
}

TEST(LocaleDisplayFormat, WritesDateTimesInTheSameLocale) {
  const DisplayFormat italian = localeDisplayFormat(kItalian);
  ASSERT_TRUE(italian.dateTime);
  EXPECT_EQ(italian.dateTime(kDay0), "04/11/2008 12:00:00");
}

TEST(LocaleDateTimeText, ShowsShortDateWithTheWholeYearAndTimeWithSeconds) {
  EXPECT_EQ(localeDateTimeText(kDay0 + 75 * kSecond, kEnglish), "11/4/2008 12:01:15 PM");
  EXPECT_EQ(localeDateTimeText(kDay0 + 75 * kSecond, kItalian), "04/11/2008 12:01:15");
}

TEST(LocaleDateTimeText, AddsSecondsWithTheLocaleTimeSeparator) {
  EXPECT_EQ(localeDateTimeText(kDay0 + 75 * kSecond, kFinnish), "4.11.2008 12.01.15");
}

TEST(LocaleDateTimeText, ShowsTheTimeAloneOnDayZero) {
  EXPECT_EQ(localeDateTimeText(0.75, kEnglish), "6:00:00 PM");
  EXPECT_EQ(localeDateTimeText(0.75, kItalian), "18:00:00");
  EXPECT_EQ(localeDateTimeText(0.0, kItalian), "00:00:00");
}

TEST(LocaleDateTimeText, ShowsTheDateAloneAtMidnight) {
  EXPECT_EQ(localeDateTimeText(39756.0, kEnglish), "11/4/2008");
  EXPECT_EQ(localeDateTimeText(39756.0, kItalian), "04/11/2008");
}

TEST(LocaleDateTimeText, WritesNumbersThatAreNoDateTheCoreWay) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(localeDateTimeText(nan, kEnglish), QString::fromStdString(isoDateTimeText(nan)));
  EXPECT_EQ(localeDateTimeText(infinity, kEnglish),
            QString::fromStdString(isoDateTimeText(infinity)));
  // Far before year 1 the calendar has no dates.
  EXPECT_EQ(localeDateTimeText(-1e9, kEnglish), QString::fromStdString(isoDateTimeText(-1e9)));
}

}  // namespace
}  // namespace vianora::gui
