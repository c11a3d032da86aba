#pragma once

#include <QString>

namespace platform {
class Session;
}

namespace origin {

// The file names of the document tables of the origin and preference
// documents.
namespace Tables {
inline const QString Eur1 = QStringLiteral("EUR1.DB");
inline const QString Eur2 = QStringLiteral("EUR2.DB");
inline const QString Atr = QStringLiteral("ATR.DB");
inline const QString Ursprung = QStringLiteral("URSPRUNG.DB");
inline const QString EurMed = QStringLiteral("EUR_Med.DB");
}

// The rows of the user's print settings S_BENUTZ.DB the prints use.
namespace PrintRows {
inline const QString Eur1Front = QStringLiteral("EUR1");
inline const QString Eur1Back = QStringLiteral("EUR RÜCKSEITE");
inline const QString Eur2 = QStringLiteral("EUR2");
inline const QString Atr = QStringLiteral("Atr");
inline const QString UrsprungFront = QStringLiteral("URSPRUNGSZEUGNIS");
inline const QString UrsprungBack = QStringLiteral("URSPRUNG RÜCKSEITE");
// The EUR-MED print creates its rows itself (printer "LPT1").
inline const QString EurMedFront = QStringLiteral("EUR-MED");
inline const QString EurMedBack = QStringLiteral("EUR-MED RÜCKSEITE");
}

// Declares the document tables of these kinds in the schema registry. The program and the
// tests call it before they open a data directory.
void registerOriginTables();

// The print windows of these kinds create no settings rows of their own:
// the rows come with the master copy of S_BENUTZ.DB in the data directory,
// which every new user receives. A data-directory step; existing rows stay.
void addOriginPrintRows(platform::Session &session);

} // namespace origin
