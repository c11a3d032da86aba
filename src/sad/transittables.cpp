#include "platform/schemaregistry.h"
#include "sad/sadtables.h"

namespace sad {

QStringList transitHeadFieldsOutsideList()
{
    return { QStringLiteral("F14_4") };
}

void registerTransitTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    const auto s = [](const char *name) { return QLatin1String(name); };

    // The register's field list in its order (Kopieren leaves out the last
    // one, box 29), then the fields outside it.
    platform::TableSchema head(Tables::Ausfuhr, platform::Alias::Data);
    head.integer(s("belegnr"))
        .date(s("datum"))
        .string(s("f1_2"), 1)
        .string(s("f1_3"), 5)
        .string(s("f2_0"), 10)
        .strings(s("f2_"), 1, 5, 35)
        .string(s("f3_1"), 2)
        .string(s("f3_2"), 2)
        .string(s("F4"), 5)
        .string(s("F5"), 3)
        .string(s("f8_0"), 10)
        .strings(s("f8_"), 1, 5, 35)
        .string(s("f14_0"), 10)
        .strings(s("f14_"), 1, 3, 35)
        .string(s("F15"), 17)
        .string(s("F17"), 17)
        .string(s("f18_1"), 27)
        .string(s("f18_2"), 3)
        .string(s("f21_1"), 31)
        .string(s("f21_2"), 3)
        .string(s("F32"), 3)
        .string(s("f33_1"), 8)
        .string(s("f35_1"), 11)
        .string(s("f38"), 11)
        .string(s("F40"), 20)
        .strings(s("F51_"), 1, 6, 20)
        .strings(s("F52_"), 1, 2, 40)
        .string(s("F52_3"), 3)
        .strings(s("f54_"), 1, 5, 28)
        .string(s("f44_5"), 45)
        .string(s("f44_6"), 45)
        .string(s("f44_10"), 1)
        .strings(s("fb"), 1, 4, 22)
        .string(s("F53"), 20)
        .string(s("F7"), 20)
        .string(s("F19"), 1)
        .string(s("F25"), 3)
        .string(s("F27"), 16)
        .string(s("f31_1"), 20)
        .strings(s("f31_"), 2, 9, 45)
        .strings(s("f50_"), 1, 6, 45)
        .string(s("F40_7"), 45)
        .string(s("f41_1"), 11)
        .string(s("f44_0"), 8)
        .string(s("f44_1"), 10)
        .string(s("f44_2"), 9)
        .string(s("F1_1"), 5)
        .string(s("F49"), 20)
        .string(s("Ret"), 11)
        .string(s("f44_3"), 45)
        .string(s("f44_4"), 45)
        .strings(s("A"), 1, 4, 25)
        .string(s("D1"), 27)
        .strings(s("D"), 2, 6, 30)
        .string(s("F17_1"), 3)
        .boolean(s("DM"))
        .boolean(s("EURO"))
        .string(s("F6"), 3)
        .string(s("F11"), 3)
        .string(s("F16"), 17)
        .string(s("F20_1"), 3)
        .string(s("F20_2"), 29)
        .string(s("F22_1"), 3)
        .string(s("F22_2"), 13)
        .string(s("F24_1"), 1)
        .string(s("F24_2"), 1)
        .string(s("F26"), 1)
        .string(s("F28"), 40)
        .string(s("F29"), 8)
        // As long as a country name of the countries table.
        .string(s("F14_4"), 29)
        .primaryKey({ s("belegnr") });
    registry.add(head);

    platform::TableSchema items(Tables::Ausfolg, platform::Alias::Data);
    items.integer(s("belegnr"))
        .integer(s("pos"))
        .string(s("f33_1"), 8)
        .string(s("f33_2"), 1)
        .string(s("F34_1"), 3)
        .string(s("F34_2"), 2)
        .string(s("f35_1"), 11)
        .string(s("f35_2"), 5)
        .string(s("F37_1"), 4)
        .string(s("F37_2"), 3)
        .string(s("f38"), 11)
        .string(s("f31_1"), 20)
        .string(s("f31_2"), 41)
        .strings(s("f31_"), 3, 9, 45)
        .string(s("f41_1"), 11)
        .strings(s("f44_"), 1, 5, 45)
        .string(s("Ret"), 11)
        .string(s("F40"), 27)
        .boolean(s("DM"))
        .string(s("F46"), 11)
        .boolean(s("EURO"))
        .primaryKey({ s("belegnr"), s("pos") });
    registry.add(items);
}

} // namespace sad
