#include "transport/dangerousgoodstables.h"

#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/printsettings.h"

namespace transport {

using platform::TableSchema;

namespace {

TableSchema imoTable()
{
    TableSchema t(DangerousGoodsTables::Imo, platform::Alias::Data);
    t.integer(QStringLiteral("belegnr"))
        .date(QStringLiteral("datum"))
        .strings(QStringLiteral("ab"), 1, 3, 35)
        .strings(QStringLiteral("buch"), 1, 3, 35)
        .strings(QStringLiteral("em"), 1, 3, 35)
        .strings(QStringLiteral("bef"), 1, 3, 35)
        .string(QStringLiteral("cont"), 35)
        .string(QStringLiteral("name"), 35)
        .string(QStringLiteral("ort"), 28)
        .string(QStringLiteral("ContainerNr"), 32)
        .string(QStringLiteral("packer"), 32)
        .string(QStringLiteral("schiff"), 18)
        .string(QStringLiteral("lade"), 16)
        .string(QStringLiteral("hafen"), 25)
        .string(QStringLiteral("text1"), 35)
        .string(QStringLiteral("text2"), 35)
        .strings(QStringLiteral("mark"), 1, 13, 21)
        .strings(QStringLiteral("anz"), 1, 13, 16)
        .strings(QStringLiteral("in"), 1, 13, 26)
        .strings(QStringLiteral("kl"), 1, 13, 9)
        .strings(QStringLiteral("un"), 1, 13, 6)
        .strings(QStringLiteral("brut"), 1, 13, 13)
        .strings(QStringLiteral("seite"), 1, 5, 5)
        .string(QStringLiteral("verp1"), 6)
        .string(QStringLiteral("Verp2"), 6)
        .strings(QStringLiteral("verp"), 3, 5, 6)
        .strings(QStringLiteral("Verp"), 6, 13, 6)
        .strings(QStringLiteral("kenn"), 1, 5, 8)
        .strings(QStringLiteral("m1"), 1, 5, 6)
        .strings(QStringLiteral("m2"), 1, 5, 12)
        .string(QStringLiteral("ortdat"), 32)
        .string(QStringLiteral("unter"), 32)
        .string(QStringLiteral("Stueck"), 1)
        .string(QStringLiteral("Ladung"), 1)
        .string(QStringLiteral("Bulk"), 1)
        .string(QStringLiteral("Offen"), 1)
        .string(QStringLiteral("Zu"), 1)
        .strings(QStringLiteral("Merk"), 1, 5, 11)
        .strings(QStringLiteral("eig"), 1, 5, 30)
        .primaryKey({ QStringLiteral("belegnr") });
    return t;
}

TableSchema shippersTable()
{
    TableSchema t(DangerousGoodsTables::Shippers, platform::Alias::Data);
    t.integer(QStringLiteral("BelegNr"))
        .date(QStringLiteral("Datum"))
        .strings(QStringLiteral("S1_"), 1, 5, 35)
        .strings(QStringLiteral("S2_"), 1, 5, 35)
        .string(QStringLiteral("S3_1"), 35)
        .string(QStringLiteral("S3_2"), 3)
        .string(QStringLiteral("S3_3"), 3)
        .string(QStringLiteral("S3_4"), 15)
        .strings(QStringLiteral("S4_"), 1, 5, 25)
        .strings(QStringLiteral("S5_"), 1, 4, 20)
        .string(QStringLiteral("S5_5"), 30)
        .boolean(QStringLiteral("S5_6"))
        .boolean(QStringLiteral("S5_7"))
        .boolean(QStringLiteral("S6"))
        .strings(QStringLiteral("S7_"), 1, 17, 21)
        .strings(QStringLiteral("S8_"), 1, 17, 3)
        .strings(QStringLiteral("S9_"), 1, 17, 6)
        .strings(QStringLiteral("S10_"), 1, 17, 3)
        .strings(QStringLiteral("S11_"), 1, 17, 5)
        .strings(QStringLiteral("S12_"), 1, 17, 15)
        .strings(QStringLiteral("S13_"), 1, 17, 6)
        .strings(QStringLiteral("S14_"), 1, 17, 10)
        .strings(QStringLiteral("S15_"), 1, 3, 72)
        .strings(QStringLiteral("S16_"), 1, 3, 25)
        .primaryKey({ QStringLiteral("BelegNr") });
    return t;
}

TableSchema shippersLinesTable()
{
    TableSchema t(DangerousGoodsTables::ShippersLines, platform::Alias::Data);
    t.integer(QStringLiteral("BelegNr"))
        .integer(QStringLiteral("Pos"))
        .string(QStringLiteral("S9"), 6)
        .string(QStringLiteral("S7"), 25)
        .string(QStringLiteral("S8"), 3)
        .string(QStringLiteral("S10"), 3)
        .string(QStringLiteral("S11"), 5)
        .string(QStringLiteral("S12"), 20)
        .string(QStringLiteral("S13"), 6)
        .string(QStringLiteral("S14"), 10)
        .primaryKey({ QStringLiteral("BelegNr"), QStringLiteral("Pos") });
    return t;
}

} // namespace

void registerDangerousGoodsTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    registry.add(imoTable());
    registry.add(shippersTable());
    registry.add(shippersLinesTable());
}

void addDangerousGoodsRows(platform::Session &session)
{
    const QStringList names = { DangerousGoodsRows::Imo, DangerousGoodsRows::Shippers };
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : names)
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
    platform::Table corrections(platform::Alias::Data, shell::FieldCorrectionsTable);
    corrections.setSession(&session);
    corrections.open();
    for (const QString &name : names)
        shell::createFieldCorrectionsRow(corrections, name);
    corrections.close();
}

} // namespace transport
