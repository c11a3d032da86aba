#pragma once

#include "platform/schemaregistry.h"

// Small tables with the shapes of the program's own: a document head keyed by
// its number, positions keyed by number and position, a name list with a
// case-insensitive index.
inline void registerPlatformTestTables()
{
    using platform::Alias::Data;
    auto &registry = platform::SchemaRegistry::instance();
    if (registry.contains(QStringLiteral("TESTKOPF")))
        return;
    registry.add(platform::TableSchema(QStringLiteral("TESTKOPF.DB"), platform::Alias::Data)
                     .integer(QStringLiteral("BelegNr"))
                     .date(QStringLiteral("Datum"))
                     .string(QStringLiteral("Name1"), 29)
                     .floating(QStringLiteral("Betrag"))
                     .boolean(QStringLiteral("Erledigt"))
                     .memo(QStringLiteral("Notiz"))
                     .primaryKey({QStringLiteral("BelegNr")})
                     .index(QStringLiteral("iName"), {QStringLiteral("Name1")}, true));
    registry.add(platform::TableSchema(QStringLiteral("TESTPOS.DB"), platform::Alias::Data)
                     .integer(QStringLiteral("BelegNr"))
                     .integer(QStringLiteral("Pos"))
                     .string(QStringLiteral("Text"), 40)
                     .primaryKey({QStringLiteral("BelegNr"), QStringLiteral("Pos")}));
}
