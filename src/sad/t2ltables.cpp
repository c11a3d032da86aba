#include "platform/schemaregistry.h"
#include "sad/sadtables.h"

namespace sad {

void registerT2LTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    const auto s = [](const char *name) { return QLatin1String(name); };

    // The head: number and date first (the date kept as text in the short
    // date format), the boxes in the order of the form, box 54's last line
    // last (Kopieren leaves it empty).
    platform::TableSchema head(Tables::EinHT2L, platform::Alias::Data);
    head.integer(s("BelegNr"))
        .string(s("Datum"), 10)
        .string(s("F1_1"), 4)
        .string(s("F1_2"), 2)
        .string(s("F2_1"), 20)
        .strings(s("F2_"), 2, 6, 40)
        .string(s("F3_1"), 3)
        .string(s("F3_2"), 3)
        .string(s("F4"), 6)
        .string(s("F5"), 6)
        .string(s("F6"), 8)
        .string(s("F8_1"), 20)
        .strings(s("F8_"), 2, 6, 40)
        .string(s("F14_1"), 20)
        .strings(s("F14_"), 2, 4, 40)
        .string(s("F15"), 20)
        .string(s("F17"), 20)
        .string(s("F18_1"), 30)
        .string(s("F18_2"), 4)
        .string(s("F19"), 4)
        .string(s("F21_1"), 35)
        .string(s("F21_2"), 4)
        .string(s("F25"), 3)
        .string(s("F27_1"), 15)
        .string(s("F27_2"), 4);
    // Box 55: two transhipments of place, means of transport, container
    // indicator ("1"/"0") and container.
    for (int first : { 1, 5 }) {
        head.string(QStringLiteral("F55_%1").arg(first), 30)
            .string(QStringLiteral("F55_%1").arg(first + 1), 22)
            .string(QStringLiteral("F55_%1").arg(first + 2), 1)
            .string(QStringLiteral("F55_%1").arg(first + 3), 18);
    }
    head.string(s("F50_1"), 20).strings(s("F50_"), 2, 4, 50).string(s("F50_5"), 40).string(s("F50_6"), 40);
    // Box 51: six columns of two lines, column by column.
    for (int column = 1; column <= 6; ++column)
        head.strings(QStringLiteral("F51_%1_").arg(column), 1, 2, 12);
    head.strings(s("F52_"), 1, 2, 50)
        .string(s("F52_3"), 3)
        .string(s("F53"), 25)
        .strings(s("F54_"), 1, 6, 30)
        .primaryKey({ s("BelegNr") });
    registry.add(head);

    // The goods items; the defaults of a new item are copied by this order
    // from the third field on.
    platform::TableSchema items(Tables::EinFT2L, platform::Alias::Data);
    items.integer(s("BelegNr"))
        .integer(s("Pos"))
        .string(s("F31_1"), 40)
        .strings(s("F31_"), 2, 8, 45)
        .string(s("F33"), 8)
        .string(s("F35"), 12)
        .string(s("F38"), 12)
        .string(s("F40"), 30)
        .string(s("F44_1"), 45)
        .strings(s("F44_"), 2, 3, 60)
        .strings(s("F44_"), 4, 5, 45)
        .string(s("F44_6"), 3)
        .string(s("F44_7"), 12)
        .primaryKey({ s("BelegNr"), s("Pos") });
    registry.add(items);
}

} // namespace sad
