#pragma once

#include <QString>

namespace platform {
class Session;
}

namespace transport {

// The document tables of the dangerous-goods declarations.
namespace DangerousGoodsTables {
inline const QString Imo = QStringLiteral("B_GSEE.DB");
inline const QString Shippers = QStringLiteral("SHIP.DB");
inline const QString ShippersLines = QStringLiteral("SHIP1.DB");
}

// The rows of S_BENUTZ.DB and S_FelderJust.DB their prints use.
namespace DangerousGoodsRows {
inline const QString Imo = QStringLiteral("IMO");
inline const QString Shippers = QStringLiteral("SHIPPERS DECLARATION");
}

// The word "Shipper`s" as every text of the air declaration writes it:
// a grave accent before the s.
inline const QString ShipperS = QStringLiteral("Shipper`s");

// Declares B_GSEE.DB, SHIP.DB and SHIP1.DB in the schema registry.
void registerDangerousGoodsTables();

// The print rows "IMO" and "SHIPPERS DECLARATION" in the master copy of
// S_BENUTZ.DB (without printer, so that the first print asks for one) and
// their rows of box corrections in S_FelderJust.DB (every pair 0). A
// data-directory step; existing rows stay as they are.
void addDangerousGoodsRows(platform::Session &session);

} // namespace transport
