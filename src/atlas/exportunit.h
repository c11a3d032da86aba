#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace platform {
class Session;
}

namespace atlas {

// The declarations an export writes, by number. The callers choose them
// as "BelegNr = n" or "BelegNr in (n, m, ...)"; the numbers reach the
// query as bound values.
struct DeclarationSelection {
    QList<int> numbers;

    // The condition as the clerk's choice reads: "BelegNr = 5",
    // "BelegNr in (3, 5, 9)"; empty when nothing is chosen.
    QString whereText() const;
};

// The ATLAS client's import folder: the user's data folder, followed by
// "ATLAS_Ausfuhr/importDir/". The program never creates it.
QString handOverFolder();
// The folder, the prefix, the current date and time as "yyyyMMdd_HHmmss"
// and ".xml".
QString handOverFileName(const QString &prefix);

// The three hand-over exports. Each forms the file name once, asks before it
// replaces a file of that name, reads the declarations, builds the document
// and saves it, then tells the clerk. A declaration that does not exist, or
// a gross mass that is no number, is reported and nothing is written. A
// database error or a save that fails (a missing import folder) is thrown to
// the caller's error handling, without the success message.
void ExportDeclaration(int number); // expDat_, one declaration
void ExportDeclarations(const DeclarationSelection &selection); // expDat_, several
void ExportSupplementaryDeclaration(int number); // expEnt_

// Runs a SELECT on the data directory with the values bound and returns the
// first field of the first row; an empty text when that is null or there is
// no row. A failing statement throws.
QVariant QueryValue(const QString &sql, const QVariantList &values = {}, platform::Session *session = nullptr);

// The texts of the export.
namespace ExportTexts {
inline const QString Overwrite
    = QStringLiteral("Es wurden bereits Datenmsätze exportiert, die noch nicht in Atlas importiert wurden!\r\n"
                     "Wenn Sie fortsetzen, werden die Daten überschrieben.\r\n"
                     "Forstsetzen?");
inline const QString NotFound = QStringLiteral("BelegNr wurde nicht gefunden!");
inline const QString Exported = QStringLiteral("Die Daten wurden erfolgreich exportiert!");
}

} // namespace atlas
