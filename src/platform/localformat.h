#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace platform {

// Numbers and dates the way the workstation writes them: its own locale,
// German when the system locale is C or POSIX.
QLocale workstationLocale();
void setWorkstationLocale(const QLocale &locale);  // tests fix German here

QChar decimalSeparator();
QChar groupSeparator();

// "#,##0.00": 1234.5 -> "1.234,50"
QString formatAmount(double value);
// "#,##0.000" style with the given decimals and group separators
QString formatNumber(double value, int decimals);
// A number as grids and lists show it: group separators, two decimals, more
// when the value has them (up to six): 1255 -> "1.255,00", 0.125 -> "0,125"
QString formatDisplayNumber(double value);
// The same decimals without group separators, as an edit shows the number
// for typing over it: 37.5 -> "37,50", 1255 -> "1255,00"
QString formatEditNumber(double value);
// Plain number text without group separators and up to 15 significant digits:
// 1234.5 -> "1234,5", 3.0 -> "3"
QString formatPlainNumber(double value);
// Reads what the program writes: group separators allowed, decimal comma
// (or the locale's separator). Empty text gives 0 with ok = true.
double parseAmount(const QString &text, bool *ok = nullptr);
// Like parseAmount, but empty text is not a number.
double parseNumber(const QString &text, bool *ok = nullptr);

// "dd.MM.yyyy"
QString formatDate(const QDate &date);
QString formatTime(const QTime &time);      // "hh:mm:ss"
QString formatDateTime(const QDateTime &dt);  // "dd.MM.yyyy hh:mm:ss"
// Accepts "d.M.yyyy", "dd.MM.yy" and ISO "yyyy-MM-dd"; invalid date otherwise.
QDate parseDate(const QString &text);
QTime parseTime(const QString &text);
QDateTime parseDateTime(const QString &text);

// Whole numbers: halves to the even neighbour (2.5 -> 2, 3.5 -> 4)
double roundHalfEven(double value);
// Whole numbers: halves away from zero (2.5 -> 3, -2.5 -> -3)
double roundHalfAwayFromZero(double value);
// To the given decimals, halves away from zero.
double roundToDecimals(double value, int decimals);

} // namespace platform
