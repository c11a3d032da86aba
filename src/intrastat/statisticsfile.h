#pragma once

#include "intrastat/intrastattables.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace intrastat {

// The fields of a declaration's head or position by name, as stored (text).
using FieldValues = std::function<QString(const QString &field)>;

// One line of the statistics file for a position of a declaration: the
// arrival line (kind "11") or the dispatch line (kind "22 "), 128
// characters when no value exceeds its width, without the line end.
QString statisticsLine(bool isDispatch, const FieldValues &head, const FieldValues &position, int lineNumber);

// The lines of a month: every position of every declaration of the
// direction whose month and year texts equal the given ones exactly, in
// number and position order, with the two value totals. Every value is
// checked first: a VAT number longer than its column or an amount of box 18
// or 19 that is no number gives the German message naming the declaration
// and position in `error` and no lines.
struct StatisticsContent {
    QStringList lines;
    double invoiceTotal = 0.0;
    double valueTotal = 0.0;
    QString error;
};
StatisticsContent collectStatistics(
    const Direction &direction, const QString &month, const QString &year, const std::function<void()> &progress = {});

// Writes the lines in Windows-1252, each ended by CR LF, to a temporary file
// beside the target that replaces the target only when everything was
// written; a failure leaves an existing file as it was. The message of a
// failure goes into error.
bool writeStatisticsFile(const QString &path, const QStringList &lines, QString *error);

// The space a file of the direction needs: 256 bytes for every position
// record of the direction, whatever its month (the template's included).
qint64 statisticsSpaceNeeded(const Direction &direction);

// "Die Diskette hat nur noch ... KB freien Platz\rSie benötigen jedoch ... KB !"
QString spaceMessage(qint64 freeBytes, qint64 neededBytes);

// The summary after a successful run.
QString summaryMessage(const StatisticsContent &content);

} // namespace intrastat
