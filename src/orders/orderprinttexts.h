#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class Session;
}

namespace orders {

// The settings row of the order print in S_BENUTZ.DB.
inline const QString OrderPrintRow = QStringLiteral("RECHNUNG");

// The fixed texts of the order print: one S_SP.DB row per role, the keys
// sorting in the order of the roles.
constexpr int OrderPrintLabelCount = 33;

// Fills an empty S_SP.DB with the delivered texts; a table that holds rows
// is left alone.
void fillOrderPrintTexts(platform::Session &session);
// The row "RECHNUNG" in the data directory's master copy of S_BENUTZ.DB,
// without printer, so that the first print asks for one.
void addOrderPrintRows(platform::Session &session);

// The label list of a language letter (D, E, F, P, S in any case): the texts
// of S_SP.DB in key order in that language's column; any other letter gives
// empty texts. Index 0 is label 1; labels beyond the table are empty.
QStringList orderPrintLabels(const QString &languageLetter);

} // namespace orders
