#pragma once

#include <QString>
#include <QVector>

#include <optional>

namespace sad {

// Box 47 of the import declaration and the summary of a continuation
// sheet: amounts are German number texts ("1.234,50"), read with their
// "." removed, written with group separators and two decimals after
// rounding to a number of significant digits, halves away from zero.

constexpr int BaseDigits = 10; // bases and rates
constexpr int AmountDigits = 11; // amounts and totals
constexpr int DutyLines = 8;

// The number a duty text holds, its "." removed; none for an empty text or
// one that is no number.
std::optional<double> dutyNumber(const QString &text);

// Rounded to the significant digits, then written with two decimals:
// 1234.5 -> "1.234,50".
QString formatDuty(double value, int significantDigits);

// The amount of one line, base × rate / 100 rounded to two decimals;
// error when the base or the rate is empty or no number.
struct DutyAmount {
    double amount = 0.0;
    bool error = true;
};
DutyAmount ComputeDutyAmount(const QString &base, const QString &rate);

// One line of box 47 as typed.
struct DutyLine {
    QString base;
    QString rate;
    QString amount;
};

// What a recalculation makes of box 47. A line with an error keeps its
// amount, is marked and stays out of the total; so does a line whose amount
// would not fit its field (tooLong). Without any line free of error the
// total keeps its text; a total that would not fit keeps it too.
struct DutyResult {
    QVector<QString> amounts;
    QVector<bool> invalid;
    QVector<int> tooLong; // 1-based lines whose amount does not fit
    QString total;
    bool totalTooLong = false;
};
DutyResult recalculateDuties(const QVector<DutyLine> &lines, const QString &total, int amountSize);

// The summary of a continuation sheet: every amount written (an empty one
// as 0,00) and their sum. None when an amount is no number. An amount
// that would not fit keeps its text, is marked and stays out of the sum.
struct SheetSummary {
    QVector<QString> amounts;
    QVector<bool> invalid;
    QVector<int> tooLong;
    QString total;
    bool totalTooLong = false;
};
std::optional<SheetSummary> sumSheetSummary(const QVector<QString> &amounts, const QString &total, int amountSize);

// The clerk's message about amounts that do not fit their field; empty when
// all fit.
QString tooLongMessage(const QVector<int> &lines, bool total, int amountSize);

// The item whose summary a continuation-sheet item carries: the first item
// of its sheet (items 3 and 4 take item 2's); 0 when the item keeps its own.
int sheetSummarySource(int item);
// Whether the item shows the summary: the first item of a continuation
// sheet of a declaration with two items or more.
bool showsSheetSummary(int item, int itemCount);

} // namespace sad
