#pragma once

#include <QString>

namespace platform {
class Session;
}

namespace courier {

// The file names of the courier waybill tables.
namespace Tables {
inline const QString FedEx = QStringLiteral("FEDEX.DB");
inline const QString Ups = QStringLiteral("B_UPS.DB");
}

// The rows of the user's print settings S_BENUTZ.DB the prints use.
namespace PrintRows {
inline const QString FedEx = QStringLiteral("FEDEX");
inline const QString Ups = QStringLiteral("UPS - FRACHTBRIEF");
}

// Declares FEDEX.DB and B_UPS.DB in the schema registry.
void registerCourierTables();

// The print rows in the data directory's master copy of S_BENUTZ.DB, without
// printer so that the first print asks for one. A data-directory step;
// existing rows stay.
void addCourierPrintRows(platform::Session &session);

} // namespace courier
