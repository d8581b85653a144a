#include "gui/tripwindow/locale_format.h"

#include <gtest/gtest.h>

namespace vianora::gui {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kItalian(QLocale::Italian, QLocale::Italy);
const QLocale kFinnish(QLocale::Finnish, QLocale::Finland);

TEST(LocaleDisplayFormat, TakesTheSeparatorsOfTheLocale) {
  // Finnish groups digits with a no-break space, two bytes in UTF-8.
  const std::tuple<QLocale, const char*, const char*> cases[] = {
      {kEnglish, ".", ","}, {kItalian, ",", "."}, {kFinnish, ",", "\u00a0"}};
  for (const auto& [locale, decimal, group] : cases) {
    const DisplayFormat format = localeDisplayFormat(locale);
    EXPECT_EQ(format.separators.decimal, decimal) << locale.name().toStdString();
    EXPECT_EQ(format.separators.thousands, group) << locale.name().toStdString();
  }
}

TEST(LocaleDateTimeText, WritesTheShortDateWithTheWholeYearAndTheTimeWithSeconds) {
  const double withSeconds = 39756.5 + 75.0 / 86400;  // 2008-11-04 12:01:15
  const std::tuple<QLocale, double, const char*> cases[] = {
      {kEnglish, withSeconds, "11/4/2008 12:01:15 PM"},
      {kItalian, withSeconds, "04/11/2008 12:01:15"},
      {kFinnish, withSeconds, "4.11.2008 12.01.15"},  // seconds take the locale's separator
      {kEnglish, 0.75, "6:00:00 PM"},                 // day 0: the time alone
      {kItalian, 0.75, "18:00:00"},
      {kItalian, 0.0, "00:00:00"},
      {kEnglish, 39756.0, "11/4/2008"},  // midnight: the date alone
      {kItalian, 39756.0, "04/11/2008"}};
  for (const auto& [locale, day, text] : cases) {
    EXPECT_EQ(localeDateTimeText(day, locale), text) << locale.name().toStdString() << day;
  }
}

}  // namespace
}  // namespace vianora::gui
