#pragma once

#include <QString>

namespace transport {

// The packing lists: heads and package lines.
namespace PackingListTables {
inline const QString Heads = QStringLiteral("B_PALI.DB");
inline const QString Lines = QStringLiteral("B_PALI2.DB");
}

// The row of the user's print settings the packing list prints with.
inline const QString PackingListPrintRow = QStringLiteral("PACKLISTE");

void registerPackingListTables();

} // namespace transport
