#include "intrastat/intrastattables.h"

#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/table.h"
#include "shell/printsettings.h"

namespace intrastat {

using platform::TableSchema;

QString Direction::name() const
{
    return isDispatch ? QStringLiteral("Versendung") : QStringLiteral("Eingang");
}

namespace {

TableSchema headSchema(const QString &file)
{
    TableSchema head(file, platform::Alias::Data);
    head.integer(QStringLiteral("belegnr"))
        .date(QStringLiteral("Datum"))
        .integer(QStringLiteral("Positionen"))
        .string(QStringLiteral("int1_1"), 12)
        .string(QStringLiteral("int1_2"), 3)
        .string(QStringLiteral("int1_3"), 2)
        .strings(QStringLiteral("int1_"), 4, 7, 35)
        .string(QStringLiteral("int2_1"), 2)
        .string(QStringLiteral("int2_2"), 2)
        .string(QStringLiteral("int4_1"), 12)
        .string(QStringLiteral("int4_2"), 3)
        .string(QStringLiteral("int4_3"), 2)
        .strings(QStringLiteral("int4_"), 4, 7, 35)
        .string(QStringLiteral("int20_1"), 30)
        .string(QStringLiteral("int20_2"), 30)
        .string(QStringLiteral("int20_3"), 30)
        .string(QStringLiteral("Int20_4"), 30)
        .boolean(QStringLiteral("DM"))
        .boolean(QStringLiteral("EUR"))
        .primaryKey({ QStringLiteral("belegnr") });
    return head;
}

TableSchema positionSchema(const QString &file)
{
    TableSchema positions(file, platform::Alias::Data);
    positions.integer(QStringLiteral("belegnr"))
        .integer(QStringLiteral("Pos"))
        .strings(QStringLiteral("int6_"), 1, 11, 28)
        .string(QStringLiteral("int8_1"), 3)
        .string(QStringLiteral("int8_2"), 2)
        .string(QStringLiteral("int9_1"), 3)
        .string(QStringLiteral("int10_1"), 2)
        .string(QStringLiteral("int11_1"), 1)
        .string(QStringLiteral("int12_1"), 6)
        .string(QStringLiteral("int13_1"), 8)
        .string(QStringLiteral("int14_1"), 3)
        .string(QStringLiteral("int15_1"), 6)
        .string(QStringLiteral("int16_1"), 11)
        .string(QStringLiteral("int17_1"), 11)
        .string(QStringLiteral("int18_1"), 11)
        .string(QStringLiteral("int19_1"), 11)
        .string(QStringLiteral("Int20_1"), 1)
        .primaryKey({ QStringLiteral("belegnr"), QStringLiteral("Pos") });
    return positions;
}

} // namespace

void registerIntrastatTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    registry.add(headSchema(Tables::ArrivalHeads));
    registry.add(positionSchema(Tables::ArrivalPositions));
    registry.add(headSchema(Tables::DispatchHeads));
    registry.add(positionSchema(Tables::DispatchPositions));
}

void addIntrastatPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { PrintRows::Arrival, PrintRows::Dispatch })
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
}

} // namespace intrastat
