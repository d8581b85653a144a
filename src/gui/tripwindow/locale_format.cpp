#include "gui/tripwindow/locale_format.h"

#include <QDate>
#include <QTime>
#include <cmath>

#include "core/util/time_format.h"

namespace vianora::gui {
namespace {

// The locale's short time format, with seconds added after the minutes when it shows none.
// The seconds take the same separator as the one between hours and minutes (":" in most
// locales, "." in a few), so "h:mm AP" becomes "h:mm:ss AP" and "H.mm" becomes "H.mm.ss".
QString timeFormatWithSeconds(const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::ShortFormat);
  qsizetype minutesStart = -1;
  qsizetype minutesEnd = -1;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == u'\'') {
      quoted = !quoted;
    } else if (!quoted && c == u's') {
      return format;  // it already shows seconds
    } else if (!quoted && c == u'm' && minutesStart < 0) {
      minutesStart = i;
      minutesEnd = i;
      while (minutesEnd < format.size() && format[minutesEnd] == u'm') ++minutesEnd;
      i = minutesEnd - 1;
    }
  }
  if (minutesStart < 0) return QStringLiteral("HH:mm:ss");

  QString separator = QStringLiteral(":");
  qsizetype separatorStart = minutesStart;
  while (separatorStart > 0 && !format[separatorStart - 1].isLetter() &&
         format[separatorStart - 1] != u'\'') {
    --separatorStart;
  }
  if (separatorStart > 0 && separatorStart < minutesStart &&
      (format[separatorStart - 1] == u'h' || format[separatorStart - 1] == u'H')) {
    separator = format.mid(separatorStart, minutesStart - separatorStart);
  }
  QString withSeconds = format;
  withSeconds.insert(minutesEnd, separator + QStringLiteral("ss"));
  return withSeconds;
}

// The locale's short date format with the year in four digits: many locales write two
// ("21/06/07"), which cannot tell 1907 from 2007.
QString dateFormatWithFullYear(const QLocale& locale) {
  const QString format = locale.dateFormat(QLocale::ShortFormat);
  QString full;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == u'\'') quoted = !quoted;
    if (quoted || c != u'y') {
      full += c;
      ++i;
      continue;
    }
    qsizetype run = 0;
    while (i + run < format.size() && format[i + run] == u'y') ++run;
    full += QStringLiteral("yyyy");
    i += run;
  }
  return full;
}

QString isoText(double dayNumber) { return QString::fromStdString(isoDateTimeText(dayNumber)); }

}  // namespace

DisplayFormat localeDisplayFormat(const QLocale& locale) {
  DisplayFormat format;
  format.separators.decimal = locale.decimalPoint().toStdString();
  format.separators.thousands = locale.groupSeparator().toStdString();
  format.dateTime = [locale](double dayNumber) {
    return localeDateTimeText(dayNumber, locale).toStdString();
  };
  return format;
}

QString localeDateTimeText(double dayNumber, const QLocale& locale) {
  if (!std::isfinite(dayNumber)) return isoText(dayNumber);
  const DateTimeParts parts = dateTimeParts(dayNumber);
  const QTime time(parts.hour, parts.minute, parts.second);
  const QString timeText = locale.toString(time, timeFormatWithSeconds(locale));
  if (parts.wholeDays == 0) return timeText;

  // The calendar has no year 0 and counts the years before it differently: such dates, far
  // outside any track, are written the plain way.
  if (parts.year < 1) return isoText(dayNumber);
  const QDate date(parts.year, parts.month, parts.day);
  if (!date.isValid()) return isoText(dayNumber);
  const QString dateText = locale.toString(date, dateFormatWithFullYear(locale));
  if (parts.hour == 0 && parts.minute == 0 && parts.second == 0) return dateText;
  return dateText + u' ' + timeText;
}

QString localeClockText(double dayNumber, bool withDate, const QLocale& locale) {
  if (!std::isfinite(dayNumber)) return isoText(dayNumber);
  const DateTimeParts parts = dateTimeParts(dayNumber);
  const QString timeText =
      locale.toString(QTime(parts.hour, parts.minute, parts.second), QLocale::ShortFormat);
  if (!withDate) return timeText;
  const QDate date(parts.year, parts.month, parts.day);
  if (parts.year < 1 || !date.isValid()) return isoText(dayNumber);
  return locale.toString(date, dateFormatWithFullYear(locale)) + u' ' + timeText;
}

}  // namespace vianora::gui
