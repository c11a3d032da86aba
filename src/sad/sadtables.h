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
}

// Fields of EINHEIT.DB outside the register's field list: no window of the
// export declaration shows them, and Neu and Kopieren leave them empty.
QStringList exportHeadFieldsOutsideList();

// Declares the tables in the schema registry. The program and the tests call
// it before they open a data directory.
void registerSadTables();

} // namespace sad
