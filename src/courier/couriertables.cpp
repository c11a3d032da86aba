#include "courier/couriertables.h"

#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/table.h"
#include "shell/printsettings.h"

namespace courier {

using platform::TableSchema;

namespace {

// Yes/no boxes of the UPS waybill: "J" or "N".
TableSchema &yesNo(TableSchema &schema, const QString &name)
{
    return schema.string(name, 1);
}

} // namespace

void registerCourierTables()
{
    auto &registry = platform::SchemaRegistry::instance();

    // The FedEx air waybill; F1_5 and F3_4 are kept with the record but
    // neither shown nor printed.
    TableSchema fedEx(Tables::FedEx, platform::Alias::Data);
    fedEx.integer(QStringLiteral("BelegNr"))
        .date(QStringLiteral("Datum"))
        .string(QStringLiteral("F1_1"), 20)
        .string(QStringLiteral("F1_2"), 17)
        .string(QStringLiteral("F1_3"), 40)
        .string(QStringLiteral("F1_4"), 40)
        .string(QStringLiteral("F1_5"), 20)
        .string(QStringLiteral("F1_6"), 40)
        .string(QStringLiteral("F1_7"), 40)
        .string(QStringLiteral("F1_8"), 25)
        .string(QStringLiteral("F1_9"), 15)
        .string(QStringLiteral("F1_10"), 25)
        .string(QStringLiteral("F1_11"), 15)
        .string(QStringLiteral("F2_1"), 40)
        .string(QStringLiteral("F3_1"), 20)
        .string(QStringLiteral("F3_2"), 17)
        .string(QStringLiteral("F3_3"), 40)
        .string(QStringLiteral("F3_4"), 20)
        .string(QStringLiteral("F3_5"), 40)
        .string(QStringLiteral("F3_6"), 40)
        .string(QStringLiteral("F3_7"), 25)
        .string(QStringLiteral("F3_8"), 20)
        .string(QStringLiteral("F3_9"), 25)
        .string(QStringLiteral("F3_10"), 20)
        .boolean(QStringLiteral("F4_1"))
        .boolean(QStringLiteral("F4_2"))
        .string(QStringLiteral("F4_3"), 10)
        .boolean(QStringLiteral("F4_4"))
        .boolean(QStringLiteral("F4_5"))
        .boolean(QStringLiteral("F4_6"))
        .boolean(QStringLiteral("F5_1"))
        .boolean(QStringLiteral("F5_2"))
        .boolean(QStringLiteral("F5_3"))
        .boolean(QStringLiteral("F6_1"))
        .boolean(QStringLiteral("F6_2"))
        .string(QStringLiteral("F6_3"), 10)
        .boolean(QStringLiteral("F6_4"))
        .boolean(QStringLiteral("F6_5"))
        .boolean(QStringLiteral("F6_6"))
        .boolean(QStringLiteral("F6_7"))
        .boolean(QStringLiteral("F6_8"))
        .boolean(QStringLiteral("F6_9"))
        .string(QStringLiteral("F6_10"), 5)
        .string(QStringLiteral("F6_11"), 5)
        .boolean(QStringLiteral("F6_12"))
        .boolean(QStringLiteral("F7_1"))
        .boolean(QStringLiteral("F7_2"))
        .boolean(QStringLiteral("F7_3"))
        .boolean(QStringLiteral("F7_4"))
        .boolean(QStringLiteral("F7_5"))
        .string(QStringLiteral("F7_6"), 20)
        .string(QStringLiteral("F7_7"), 10)
        .string(QStringLiteral("F7_8"), 10)
        .boolean(QStringLiteral("F8_1"))
        .boolean(QStringLiteral("F8_2"))
        .boolean(QStringLiteral("F8_3"))
        .string(QStringLiteral("F8_4"), 20)
        .string(QStringLiteral("B1"), 25)
        .string(QStringLiteral("B2"), 20)
        .string(QStringLiteral("B3"), 25)
        .string(QStringLiteral("B4"), 20)
        .string(QStringLiteral("F9_1"), 10)
        .string(QStringLiteral("F9_2"), 5)
        .boolean(QStringLiteral("F9_3"))
        .string(QStringLiteral("F9_4"), 3)
        .string(QStringLiteral("F9_5"), 10)
        .string(QStringLiteral("F9_6"), 15)
        .string(QStringLiteral("F9_7"), 15)
        .string(QStringLiteral("F9_8"), 45)
        .string(QStringLiteral("F9_9"), 45)
        .boolean(QStringLiteral("F9_10"))
        .string(QStringLiteral("F10_11"), 45)
        .string(QStringLiteral("F10_1"), 25)
        .primaryKey({ QStringLiteral("BelegNr") });
    registry.add(fedEx);

    // The UPS waybill; its date is text ("dd.mm.yyyy", "1" in the template).
    TableSchema ups(Tables::Ups, platform::Alias::Data);
    ups.integer(QStringLiteral("BelegNr"))
        .string(QStringLiteral("Datum"), 10)
        .string(QStringLiteral("U1_1"), 20)
        .string(QStringLiteral("U1_2"), 17)
        .string(QStringLiteral("U1_3"), 20)
        .string(QStringLiteral("U1_4"), 17)
        .strings(QStringLiteral("U1_"), 5, 8, 45)
        .string(QStringLiteral("U1_9"), 8)
        .string(QStringLiteral("U1_10"), 20)
        .string(QStringLiteral("U2_1"), 20)
        .string(QStringLiteral("U2_2"), 17)
        .string(QStringLiteral("U2_3"), 20)
        .string(QStringLiteral("U2_4"), 17)
        .strings(QStringLiteral("U2_"), 5, 8, 45)
        .string(QStringLiteral("U2_9"), 8)
        .string(QStringLiteral("U2_10"), 20);
    for (int box = 1; box <= 8; ++box)
        yesNo(ups, QStringLiteral("U3_%1").arg(box));
    ups.string(QStringLiteral("U3_9"), 30)
        .string(QStringLiteral("U3_10"), 2)
        .string(QStringLiteral("U3_11"), 2)
        .string(QStringLiteral("U4_1"), 15)
        .string(QStringLiteral("U4_2"), 15)
        .string(QStringLiteral("U4_3"), 35);
    for (int box = 1; box <= 4; ++box)
        yesNo(ups, QStringLiteral("U5_%1").arg(box));
    ups.string(QStringLiteral("U6_1"), 3).floating(QStringLiteral("U6_2"));
    yesNo(ups, QStringLiteral("U6_3"));
    ups.floating(QStringLiteral("U6_4"))
        .string(QStringLiteral("U6_5"), 15)
        .string(QStringLiteral("U6_6"), 20)
        .string(QStringLiteral("U6_7"), 20)
        .string(QStringLiteral("U6_8"), 20)
        .string(QStringLiteral("U6_9"), 20);
    yesNo(ups, QStringLiteral("U6_10"));
    yesNo(ups, QStringLiteral("U6_11"));
    yesNo(ups, QStringLiteral("U7_1"));
    ups.integer(QStringLiteral("U7_2"))
        .strings(QStringLiteral("U7_"), 3, 7, 30)
        .string(QStringLiteral("U8_1"), 2)
        .string(QStringLiteral("U8_2"), 2)
        .string(QStringLiteral("U8_3"), 2)
        .string(QStringLiteral("U8_4"), 20)
        .primaryKey({ QStringLiteral("BelegNr") });
    registry.add(ups);
}

void addCourierPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { PrintRows::FedEx, PrintRows::Ups })
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
}

} // namespace courier
