#include "masterdata/texttables.h"

#include "masterdata/masterdatatables.h"
#include "platform/schemaregistry.h"

namespace masterdata {

using platform::TableSchema;

void registerTextTables()
{
    auto &registry = platform::SchemaRegistry::instance();

    // Read in the order the documents were entered.
    registry.add(TableSchema(Tables::SupportingDocuments, platform::Alias::Data)
                     .autoInc(QStringLiteral("LfdNr"))
                     .string(QStringLiteral("Code"), 5)
                     .string(QStringLiteral("Quali"), 5)
                     .memo(QStringLiteral("Text"))
                     .primaryKey({ QStringLiteral("LfdNr") }));

    // Lines of the five text languages; Spanish is stored before Portuguese.
    TableSchema terms(Tables::PaymentTerms, platform::Alias::Data);
    terms.string(QStringLiteral("zabedg"), 8);
    for (const char *language : { "t", "e", "f", "s", "p" })
        terms.strings(QString::fromLatin1(language), 1, 5, 60);
    registry.add(
        terms.primaryKey({ QStringLiteral("zabedg") }).index(QStringLiteral("iT1"), { QStringLiteral("t1") }, true));

    TableSchema clauses(Tables::InvoiceClauses, platform::Alias::Data);
    clauses.string(QStringLiteral("reklaus"), 15);
    for (const char *language : { "k", "e", "f", "s", "p" })
        clauses.strings(QString::fromLatin1(language), 1, 10, 60);
    registry.add(
        clauses.primaryKey({ QStringLiteral("reklaus") }).index(QStringLiteral("iK1"), { QStringLiteral("k1") }, true));

    registry.add(TableSchema(Tables::Translations, platform::Alias::Data)
                     .string(QStringLiteral("Bezeichnung"), 25)
                     .string(QStringLiteral("a"), 20)
                     .string(QStringLiteral("d"), 25)
                     .string(QStringLiteral("e"), 25)
                     .string(QStringLiteral("f"), 25)
                     .string(QStringLiteral("s"), 25)
                     .primaryKey({ QStringLiteral("Bezeichnung") }));
}

} // namespace masterdata
