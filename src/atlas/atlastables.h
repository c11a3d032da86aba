#pragma once

#include <QString>

namespace platform {
class Session;
}

namespace atlas {

// The file names of the tables of the electronic export declaration.
namespace Tables {
inline const QString Kopf = QStringLiteral("AtlasKopf.DB");
inline const QString Ware = QStringLiteral("AtlasWare.DB");
inline const QString Verschluss = QStringLiteral("AtlasVerschluss.DB");
inline const QString Route = QStringLiteral("AtlasRoute.DB");
inline const QString Vorpapier = QStringLiteral("AtlasVorpapier.DB");
inline const QString Packst = QStringLiteral("AtlasPackst.DB");
inline const QString Container = QStringLiteral("AtlasContainer.DB");
inline const QString Unterlage = QStringLiteral("AtlasUnterlage.DB");
}

// The link fields of the tables.
namespace Fields {
inline const QString BelegNr = QStringLiteral("BelegNr");
inline const QString Pos = QStringLiteral("Pos");
inline const QString WarenPos = QStringLiteral("WarenPos");
}

// The parameter-record code of the kind (Vorschlag_AtlasAE, Memo_AtlasAE).
inline const QString ParameterCode = QStringLiteral("AtlasAE");

// Declares the eight tables in the schema registry. The program and the
// tests call it before they open a data directory.
void registerAtlasTables();

// Creates AtlasRoute.DB with its three fields and the primary index
// "iPIndex" when the data directory lacks it (older data directories were
// delivered without it). Returns true when it was created.
bool createRouteTableIfMissing(platform::Session &session);

} // namespace atlas
