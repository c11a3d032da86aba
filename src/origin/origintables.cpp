#include "origin/origintables.h"

#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/table.h"
#include "shell/printsettings.h"

namespace origin {

using platform::TableSchema;

void registerOriginTables()
{
    auto &registry = platform::SchemaRegistry::instance();

    TableSchema eur1(Tables::Eur1, platform::Alias::Data);
    eur1.integer(QStringLiteral("Belegnr"))
        .date(QStringLiteral("Datum"))
        .strings(QStringLiteral("we1_"), 1, 5, 34)
        .string(QStringLiteral("we2_1"), 33)
        .string(QStringLiteral("We2_2"), 33)
        .strings(QStringLiteral("we3_"), 1, 8, 34)
        .string(QStringLiteral("we4_1"), 16)
        .string(QStringLiteral("we5_1"), 16)
        .strings(QStringLiteral("we6_"), 1, 6, 34)
        .strings(QStringLiteral("we7_"), 1, 6, 40)
        .string(QStringLiteral("Eintrag1"), 50)
        .string(QStringLiteral("Eintrag2"), 50)
        .strings(QStringLiteral("Eintrag"), 3, 25, 50, QStringLiteral("_1"))
        .strings(QStringLiteral("Eintrag"), 3, 25, 15, QStringLiteral("_2"))
        .strings(QStringLiteral("Eintrag"), 3, 25, 20, QStringLiteral("_3"))
        .string(QStringLiteral("we11_1"), 20)
        .string(QStringLiteral("we11_2"), 18)
        .string(QStringLiteral("we11_3"), 10)
        .string(QStringLiteral("we12_1"), 24)
        .string(QStringLiteral("we12_2"), 24)
        .string(QStringLiteral("We14_5"), 65)
        .string(QStringLiteral("We14_6"), 65)
        .strings(QStringLiteral("we13_"), 1, 4, 65)
        .strings(QStringLiteral("We13_"), 5, 10, 65)
        .strings(QStringLiteral("we14_"), 1, 4, 65)
        .strings(QStringLiteral("We14_"), 7, 11, 65)
        .string(QStringLiteral("we15_1"), 36)
        .string(QStringLiteral("we15_2"), 36)
        .primaryKey({ QStringLiteral("Belegnr") })
        .index(QStringLiteral("iName"), { QStringLiteral("we3_1") });
    registry.add(eur1);

    TableSchema eur2(Tables::Eur2, platform::Alias::Data);
    eur2.integer(QStringLiteral("belegnr"))
        .date(QStringLiteral("datum"))
        .strings(QStringLiteral("eu1_"), 1, 2, 16)
        .strings(QStringLiteral("eu2_"), 1, 5, 37)
        .strings(QStringLiteral("eu4_"), 1, 6, 37)
        .string(QStringLiteral("eu5_1"), 34)
        .string(QStringLiteral("eu6_1"), 34)
        .strings(QStringLiteral("eu7_"), 1, 3, 37)
        .strings(QStringLiteral("eu8_"), 1, 2, 17)
        .string(QStringLiteral("eu9_1"), 16)
        .string(QStringLiteral("eu10_1"), 16)
        .strings(QStringLiteral("eu11_"), 1, 9, 44)
        .string(QStringLiteral("Token"), 2)
        .primaryKey({ QStringLiteral("belegnr") });
    registry.add(eur2);

    TableSchema atr(Tables::Atr, platform::Alias::Data);
    atr.integer(QStringLiteral("Belegnr"))
        .date(QStringLiteral("Datum"))
        .strings(QStringLiteral("Absender_"), 1, 5, 40)
        .string(QStringLiteral("we2_1"), 35)
        .string(QStringLiteral("We2_2"), 35)
        .strings(QStringLiteral("Empfaenger_"), 1, 8, 40)
        .string(QStringLiteral("Staat1"), 20)
        .string(QStringLiteral("Staat2"), 20)
        .strings(QStringLiteral("Angaben_"), 1, 6, 40)
        .strings(QStringLiteral("Bemerkung_"), 1, 6, 40)
        .string(QStringLiteral("Eintrag1"), 60)
        .string(QStringLiteral("Eintrag2"), 60);
    // Box 10 lines 3 to 25: description, gross mass, and a third field kept.
    for (int line = 3; line <= 25; ++line) {
        atr.string(QStringLiteral("Eintrag%1_1").arg(line), 60)
            .string(QStringLiteral("Eintrag%1_2").arg(line), 15)
            .string(QStringLiteral("Eintrag%1_3").arg(line), 20);
    }
    atr.string(QStringLiteral("Art_Muster"), 20)
        .string(QStringLiteral("Art_nr"), 7)
        .string(QStringLiteral("Art_vom"), 10)
        .string(QStringLiteral("Ort_datum"), 30)
        .string(QStringLiteral("Unterschrift"), 30)
        .string(QStringLiteral("N1"), 50)
        .string(QStringLiteral("N2"), 50)
        .string(QStringLiteral("Token"), 50)
        .primaryKey({ QStringLiteral("Belegnr") });
    registry.add(atr);

    TableSchema ursprung(Tables::Ursprung, platform::Alias::Data);
    ursprung.integer(QStringLiteral("Belegnr"))
        .date(QStringLiteral("Datum"))
        .strings(QStringLiteral("We1_"), 1, 5, 34)
        .strings(QStringLiteral("We2_"), 1, 8, 34)
        .string(QStringLiteral("We3"), 34)
        .strings(QStringLiteral("We4_"), 1, 6, 34)
        .strings(QStringLiteral("We5_"), 1, 6, 34)
        .string(QStringLiteral("We3_2"), 34);
    // Goods lines 1 to 30: description and quantity.
    for (int line = 1; line <= 30; ++line) {
        ursprung.string(QStringLiteral("Eintrag%1_1").arg(line), 70)
            .string(QStringLiteral("Eintrag%1_2").arg(line), 15);
    }
    ursprung.string(QStringLiteral("We3_3"), 34)
        .string(QStringLiteral("Nummer"), 20)
        .memo(QStringLiteral("We9"))
        .primaryKey({ QStringLiteral("Belegnr") });
    registry.add(ursprung);

    // The print reads the exporter's declaration (we13_1 .. we15_2) by its
    // positions 106 to 128: the order of the fields is part of the table.
    TableSchema eurMed(Tables::EurMed, platform::Alias::Data);
    eurMed.integer(QStringLiteral("belegnr"))
        .date(QStringLiteral("Datum"))
        .strings(QStringLiteral("we1_"), 1, 5, 34)
        .string(QStringLiteral("we2_1"), 33)
        .string(QStringLiteral("We2_2"), 33)
        .strings(QStringLiteral("we3_"), 1, 8, 34)
        .string(QStringLiteral("we4_1"), 16)
        .string(QStringLiteral("we5_1"), 16)
        .strings(QStringLiteral("we6_"), 1, 6, 34)
        .string(QStringLiteral("Eintrag1"), 50)
        .string(QStringLiteral("Eintrag2"), 50);
    // Goods lines 3 to 25: description, gross mass, invoices.
    for (int line = 3; line <= 25; ++line) {
        eurMed.string(QStringLiteral("Eintrag%1_1").arg(line), 50)
            .string(QStringLiteral("Eintrag%1_2").arg(line), 15)
            .string(QStringLiteral("Eintrag%1_3").arg(line), 20);
    }
    eurMed.string(QStringLiteral("we11_1"), 20)
        .string(QStringLiteral("we11_2"), 18)
        .string(QStringLiteral("we11_3"), 10)
        .string(QStringLiteral("We11_4"), 20)
        .string(QStringLiteral("We11_5"), 10)
        .strings(QStringLiteral("We11_"), 6, 8, 25)
        .string(QStringLiteral("we12_1"), 24)
        .string(QStringLiteral("we12_2"), 24)
        .strings(QStringLiteral("we13_"), 1, 4, 65)
        .strings(QStringLiteral("We13_"), 5, 10, 65)
        .strings(QStringLiteral("we14_"), 1, 4, 65)
        .strings(QStringLiteral("We14_"), 5, 11, 65)
        .string(QStringLiteral("we15_1"), 36)
        .string(QStringLiteral("we15_2"), 36)
        .boolean(QStringLiteral("we7_1"))
        .string(QStringLiteral("we7_2"), 20)
        .boolean(QStringLiteral("we7_3"))
        .primaryKey({ QStringLiteral("belegnr") })
        .index(QStringLiteral("iName"), { QStringLiteral("we3_1") });
    registry.add(eurMed);
}

void addOriginPrintRows(platform::Session &session)
{
    // Without printer, so that the first print asks for one.
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { PrintRows::Eur1Front, PrintRows::Eur1Back, PrintRows::Eur2, PrintRows::Atr,
             PrintRows::UrsprungFront, PrintRows::UrsprungBack })
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
}

} // namespace origin
