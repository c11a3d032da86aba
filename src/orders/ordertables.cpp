#include "orders/ordertables.h"

#include "platform/schemaregistry.h"

namespace orders {

using platform::TableSchema;

QStringList sumLineKinds()
{
    return { SumLineKind::Subtotal, SumLineKind::Vat, SumLineKind::Surcharge, SumLineKind::Discount, SumLineKind::Total,
        SumLineKind::Rule, SumLineKind::DoubleRule };
}

void registerOrderTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    const QString data = platform::Alias::Data;
    const QString number = QStringLiteral("Belegnr");
    const QString line = QStringLiteral("Pos");

    TableSchema head(Tables::Orders, data);
    head.integer(number)
        .date(QStringLiteral("Redatum"))
        .floating(QStringLiteral("ReMwst"))
        .strings(QStringLiteral("kunde"), 1, 6, 29)
        .string(QStringLiteral("land"), 3)
        .string(QStringLiteral("sprache"), 1)
        .string(QStringLiteral("aufnr"), 20)
        .string(QStringLiteral("proforma"), 1, QStringLiteral("N"))
        .string(QStringLiteral("frankatur"), 20)
        .string(QStringLiteral("uz"), 20)
        .string(QStringLiteral("sbearb"), 20)
        .string(QStringLiteral("sbtel"), 20)
        .string(QStringLiteral("bnr"), 20)
        .string(QStringLiteral("bnrvom"), 10)
        .string(QStringLiteral("bnrabt"), 20)
        .string(QStringLiteral("vedatum"), 10)
        .string(QStringLiteral("veart"), 20)
        .strings(QStringLiteral("vean"), 1, 5, 29)
        .strings(QStringLiteral("sped"), 1, 5, 29)
        .strings(QStringLiteral("mark"), 1, 10, 30)
        .strings(QStringLiteral("reklau"), 1, 10, 60)
        .strings(QStringLiteral("Reklau"), 11, 14, 60)
        .strings(QStringLiteral("zabed"), 1, 5, 60)
        .strings(QStringLiteral("praef"), 1, 6, 60)
        .string(QStringLiteral("Waehrung"), 3, QStringLiteral("EUR"))
        .integer(QStringLiteral("AnzPos"))
        .integer(QStringLiteral("AnzPack"))
        .primaryKey({ number });
    registry.add(head);

    TableSchema positions(Tables::Positions, data);
    positions.integer(number)
        .integer(line)
        .strings(QStringLiteral("bez"), 1, 16, 40)
        .integer(QStringLiteral("anzahl"), 1)
        .string(QStringLiteral("waren"), 8)
        .floating(QStringLiteral("einzpreis"), 0.0)
        .floating(QStringLiteral("quersum"), 0.0)
        .floating(QStringLiteral("netto"), 0.0)
        .floating(QStringLiteral("brutto"), 0.0)
        .floating(QStringLiteral("nettoges"), 0.0)
        .floating(QStringLiteral("bruttoges"), 0.0)
        .string(QStringLiteral("urland"), 3)
        .string(QStringLiteral("buland"), 2)
        .strings(QStringLiteral("wabe"), 1, 8, 40)
        .string(QStringLiteral("Verpackung"), 10)
        .boolean(QStringLiteral("Praefberech"))
        .boolean(QStringLiteral("BesMassEinheit"), false)
        .primaryKey({ number, line });
    registry.add(positions);

    TableSchema sumLines(Tables::SumLines, data);
    sumLines.integer(number)
        .integer(line)
        .string(QStringLiteral("ken"), 15)
        .string(QStringLiteral("bez1"), 30)
        .string(QStringLiteral("quersum"), 20)
        .primaryKey({ number, line });
    registry.add(sumLines);

    TableSchema packages(Tables::Packages, data);
    packages.integer(number)
        .integer(line)
        .string(QStringLiteral("Packart"), 3)
        .string(QStringLiteral("Bez"), 10)
        .integer(QStringLiteral("Laenge"), 0)
        .integer(QStringLiteral("Breite"), 0)
        .integer(QStringLiteral("Hoehe"), 0)
        .floating(QStringLiteral("M3"), 0.0)
        .integer(QStringLiteral("Anzahl"), 1)
        .floating(QStringLiteral("Brutto"), 0.0)
        .floating(QStringLiteral("Netto"), 0.0)
        .primaryKey({ number, line });
    registry.add(packages);
}

} // namespace orders
