#pragma once

#include "shell/documentkind.h"

#include <QString>

namespace platform {
class Session;
class TableSchema;
}

namespace shell {

// The parameter record: the one record of S_PARAME.DB in the data directory.
inline const QString ParameterTableName = QStringLiteral("S_PARAME.DB");

platform::TableSchema parameterTableSchema();

// Makes sure the one record exists (the installation creates it with the
// table; nothing else appends or deletes records).
void ensureParameterRecord(platform::Session &session);

// The proposal, switch and fixed-field memo of the document kind with the
// given code ("3", "1_1", "T2L"), with the irregular names some kinds have,
// and the pre-stamp files of the export and transit declarations. Throws
// std::invalid_argument for a code no kind has.
ParameterFields parameterFieldsFor(const QString &code);

} // namespace shell
