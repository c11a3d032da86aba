#pragma once

#include <QString>

namespace platform {
class Session;
}

namespace intrastat {

// The Intrastat declarations: a head and a position table per direction,
// both directions of the same structure.
namespace Tables {
inline const QString ArrivalHeads = QStringLiteral("INTRAE.DB");
inline const QString ArrivalPositions = QStringLiteral("INTRAE_X.DB");
inline const QString DispatchHeads = QStringLiteral("INTRAV.DB");
inline const QString DispatchPositions = QStringLiteral("INTRAV_X.DB");
}

// The rows of the user's print settings S_BENUTZ.DB, one per direction.
namespace PrintRows {
inline const QString Arrival = QStringLiteral("INTRASTAT - EINGANG");
inline const QString Dispatch = QStringLiteral("INTRASTAT - VERSAND");
}

// What depends on the direction: arrivals ("Eingang") or dispatches
// ("Versendung").
struct Direction {
    bool isDispatch = false;

    QString headTable() const { return isDispatch ? Tables::DispatchHeads : Tables::ArrivalHeads; }
    QString positionTable() const { return isDispatch ? Tables::DispatchPositions : Tables::ArrivalPositions; }
    QString printRow() const { return isDispatch ? PrintRows::Dispatch : PrintRows::Arrival; }
    // "Eingang" / "Versendung"
    QString name() const;
};

// Declares the four tables in the schema registry.
void registerIntrastatTables();

// Puts the two print rows into the data directory's master copy of
// S_BENUTZ.DB (printer "-1", so that the first print asks for one). A
// data-directory step; existing rows stay.
void addIntrastatPrintRows(platform::Session &session);

} // namespace intrastat
