#pragma once

#include <QString>

namespace transport {

// The delivery notes: heads and positions (box 27 to 31).
namespace DeliveryNoteTables {
inline const QString Heads = QStringLiteral("LIEFER1.DB");
inline const QString Positions = QStringLiteral("LIEFER2.DB");
}

// The row of the user's print settings the delivery note prints with.
inline const QString DeliveryNotePrintRow = QStringLiteral("LIEFERSCHEIN");

// The pre-printed form holds this many positions.
constexpr int DeliveryNotePositionLimit = 44;

void registerDeliveryNoteTables();

} // namespace transport
