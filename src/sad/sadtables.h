#pragma once

#include <QString>
#include <QStringList>

namespace sad {

// The file names of the tables of the single administrative document.
namespace Tables {
inline const QString Einheit = QStringLiteral("EINHEIT.DB"); // export declaration heads
inline const QString Einfolg = QStringLiteral("EINFOLG.DB"); // their goods items
inline const QString Impein = QStringLiteral("S_IMPEIN.DB"); // import declaration heads
inline const QString Impfol = QStringLiteral("S_IMPFOL.DB"); // their goods items
inline const QString Ausfuhr = QStringLiteral("AUSFUHR.DB"); // transit declaration heads
inline const QString Ausfolg = QStringLiteral("AUSFOLG.DB"); // their goods items
inline const QString EinZus = QStringLiteral("EinZus.db"); // supplementary sheets for inward processing
inline const QString EinHT2L = QStringLiteral("EinHT2L.db"); // T2L document heads
inline const QString EinFT2L = QStringLiteral("EinFT2L.db"); // their goods items
}

// Fields of EINHEIT.DB outside the register's field list: no window of the
// export declaration shows them, and Neu and Kopieren leave them empty.
QStringList exportHeadFieldsOutsideList();

// The fields of AUSFUHR.DB outside the register's list (box 14's country,
// written only by the ATLAS copy): Neu and Kopieren leave them empty.
QStringList transitHeadFieldsOutsideList();

// Declares the transit declaration's tables (part of registerSadTables).
void registerTransitTables();

// Declares the tables of the T2L document (part of registerSadTables).
void registerT2LTables();

// Declares the table of the supplementary sheet for inward processing
// (part of registerSadTables).
void registerSupplementarySheetTable();

// Declares the tables in the schema registry. The program and the tests call
// it before they open a data directory.
void registerSadTables();

} // namespace sad
