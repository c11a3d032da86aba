#include "transport/packinglisttables.h"

#include "platform/schemaregistry.h"

namespace transport {

using platform::TableSchema;

void registerPackingListTables()
{
    auto &registry = platform::SchemaRegistry::instance();

    // Field 0 the number, field 1 the date (text, "dd.mm.yyyy"); kunde6 is
    // filled by generators only.
    TableSchema heads(PackingListTables::Heads, platform::Alias::Data);
    heads.integer(QStringLiteral("belegnr"))
        .string(QStringLiteral("Datum"), 10)
        .strings(QStringLiteral("kunde"), 1, 5, 29)
        .strings(QStringLiteral("mark"), 1, 10, 30)
        .string(QStringLiteral("kunde6"), 29)
        .strings(QStringLiteral("wabe"), 1, 10, 40)
        .string(QStringLiteral("filler1"), 70)
        .string(QStringLiteral("filler2"), 70)
        .string(QStringLiteral("Brutto"), 10)
        .string(QStringLiteral("Netto"), 10)
        .primaryKey({ QStringLiteral("belegnr") });
    registry.add(heads);

    // The package lines of a list in the order they were written; the line
    // number auftrnr is text.
    TableSchema lines(PackingListTables::Lines, platform::Alias::Data);
    lines.integer(QStringLiteral("belegnr"))
        .string(QStringLiteral("auftrnr"), 6)
        .date(QStringLiteral("datu"))
        .smallInt(QStringLiteral("packstnr"))
        .string(QStringLiteral("packart"), 3)
        .string(QStringLiteral("bez"), 10)
        .floating(QStringLiteral("brutto"))
        .floating(QStringLiteral("netto"))
        .smallInt(QStringLiteral("laenge"))
        .smallInt(QStringLiteral("breite"))
        .smallInt(QStringLiteral("hoehe"))
        .floating(QStringLiteral("m3"))
        .smallInt(QStringLiteral("anzahl"))
        .floating(QStringLiteral("tara"))
        .memo(QStringLiteral("contents"))
        .memo(QStringLiteral("Text"))
        .index(QStringLiteral("belegnr"), { QStringLiteral("belegnr") });
    registry.add(lines);
}

} // namespace transport
